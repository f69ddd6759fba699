// The start-up checks on the test machine: rights, versions and captions, running
// programs and a second copy of the tool.
#include "tests/support/machine_test.h"

namespace {

const char RIGHTS[] = "本ツールは管理者権限のあるユーザでログインしてから使用してください。";
const char SELF_RUNNING[] = "本ツールは既に起動中です";
const char RUVENTA_RUNNING[] = "ルヴェンタが起動中です。\r\n先にルヴェンタを終了させてください。";
const char KESRA_RUNNING[] = "ケスラが起動中です。\r\n先にケスラを終了させてください。";

class StartupChecks : public MachineTest {
 protected:
  void ExpectOneStopMessage(const char* text) {
    ASSERT_EQ(user.messages.size(), 1u) << MessageTexts();
    EXPECT_EQ(user.messages[0].text, text);
    EXPECT_EQ(user.messages[0].caption, "ソルネア　インストール情報削除");
    EXPECT_EQ(user.messages[0].type, 0x10u);
  }
  bool Opened(const std::string& key) const {
    for (const auto& opened : registry->opened)
      if (opened == key) return true;
    return false;
  }
};

TEST_F(StartupChecks, NothingInstalledPassesAfterLookingAtTheProcesses) {
  EXPECT_EQ(engine->RunStartupChecks(), 0);
  EXPECT_TRUE(user.messages.empty()) << MessageTexts();
  EXPECT_TRUE(user.captions.empty());
  EXPECT_EQ(registry->queries, 0) << "no version is read";
  EXPECT_EQ(processes->taken, 3) << "the running checks are made all the same";
  EXPECT_EQ(std::string(engine->m_szVersionRuventa, 6), std::string(6, '\0'));
  EXPECT_EQ(std::string(engine->m_szVersionKesra, 6), std::string(6, '\0'));
}

TEST_F(StartupChecks, ReadVersionsBecomeCaptions) {
  machine->CreateKey(KEY_RUVENTA);
  machine->SetString(KEY_RUVENTA, VALUE_VERSION, "12340");
  machine->CreateKey(KEY_KESRA);
  machine->SetString(KEY_KESRA, VALUE_VERSION, "071");
  EXPECT_EQ(engine->RunStartupChecks(), 0);
  EXPECT_EQ(user.CaptionOf(IDC_CHK_RUVENTA), "ルヴェンタ[12340]");
  EXPECT_EQ(user.CaptionOf(IDC_CHK_KESRA), "ケスラ[071]");
  EXPECT_EQ(std::string(engine->m_szVersionRuventa, 6), std::string("12340\0", 6));
  EXPECT_EQ(std::string(engine->m_szVersionKesra, 6), std::string("071\0\0\0", 6));
  EXPECT_TRUE(user.messages.empty()) << MessageTexts();
}

// A version that is not known leaves the caption and the version text as they were,
// and shows nothing.
struct UnknownVersion {
  const char* what;
  void (*seed)(TestMachine&);
};

// Named, so that gtest prints the name and not the struct's bytes.
void PrintTo(const UnknownVersion& param, std::ostream* out) { *out << param.what; }

class StartupUnknownVersion : public StartupChecks, public ::testing::WithParamInterface<UnknownVersion> {};

TEST_P(StartupUnknownVersion, LeavesCaptionAndTextEmpty) {
  GetParam().seed(*machine);
  EXPECT_EQ(engine->RunStartupChecks(), 0);
  EXPECT_TRUE(user.captions.empty()) << user.CaptionOf(IDC_CHK_RUVENTA);
  EXPECT_TRUE(user.messages.empty()) << MessageTexts();
  EXPECT_EQ(std::string(engine->m_szVersionRuventa, 6), std::string(6, '\0'));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupUnknownVersion,
    ::testing::Values(
        UnknownVersion{"RootKeyOnly", [](TestMachine& m) { m.CreateKey(KEY_RUVENTA_ROOT); }},
        UnknownVersion{"ValueMissing", [](TestMachine& m) { m.CreateKey(KEY_RUVENTA); }},
        UnknownVersion{"TooLong",
                       [](TestMachine& m) {
                         m.CreateKey(KEY_RUVENTA);
                         m.SetString(KEY_RUVENTA, VALUE_VERSION, "123456");
                       }},
        UnknownVersion{"SixBytesWithoutTerminator",
                       [](TestMachine& m) {
                         m.CreateKey(KEY_RUVENTA);
                         m.SetBinary(KEY_RUVENTA, VALUE_VERSION, "123456");
                       }}),
    [](const ::testing::TestParamInfo<UnknownVersion>& param) { return std::string(param.param.what); });

TEST_F(StartupChecks, ReadOnlyRootOfProductOneStopsBeforeProductTwo) {
  machine->CreateKey(KEY_RUVENTA_ROOT);
  machine->RestrictKey(KEY_RUVENTA_ROOT, KeyRights::ReadOnly);
  machine->CreateKey(KEY_KESRA);
  EXPECT_EQ(engine->RunStartupChecks(), -1);
  ExpectOneStopMessage(RIGHTS);
  EXPECT_FALSE(Opened(KEY_KESRA_ROOT)) << "product 2 is never probed";
  EXPECT_EQ(processes->taken, 0) << "no process is looked at";
  machine->RestrictKey(KEY_RUVENTA_ROOT, KeyRights::Full);
}

TEST_F(StartupChecks, ReadOnlyRootOfProductTwoAloneStopsToo) {
  machine->CreateKey(KEY_KESRA_ROOT);
  machine->RestrictKey(KEY_KESRA_ROOT, KeyRights::ReadOnly);
  EXPECT_EQ(engine->RunStartupChecks(), -1);
  ExpectOneStopMessage(RIGHTS);
  machine->RestrictKey(KEY_KESRA_ROOT, KeyRights::Full);
}

TEST_F(StartupChecks, UnopenableRootShowsTheStatusOfTheFailedOpen) {
  machine->CreateKey(KEY_RUVENTA);
  machine->SetString(KEY_RUVENTA, VALUE_VERSION, "1234");
  machine->CreateKey(KEY_KESRA_ROOT);
  machine->RestrictKey(KEY_KESRA_ROOT, KeyRights::None);
  EXPECT_EQ(engine->RunStartupChecks(), -1);
  ExpectOneStopMessage("レジストリのオープンに失敗[5]");
  EXPECT_EQ(user.CaptionOf(IDC_CHK_RUVENTA), "ルヴェンタ[1234]") << "an earlier caption stays";
  machine->RestrictKey(KEY_KESRA_ROOT, KeyRights::Full);
}

struct Running {
  const char* what;
  std::vector<std::string> names;
  int result;
  const char* message;
};

void PrintTo(const Running& param, std::ostream* out) { *out << param.what; }

class StartupRunning : public StartupChecks, public ::testing::WithParamInterface<Running> {};

TEST_P(StartupRunning, StopsOnTheFirstProgramFoundInProductOrder) {
  std::vector<std::unique_ptr<Holder>> started;
  for (const std::string& name : GetParam().names) started.push_back(machine->StartProcess(name));
  EXPECT_EQ(engine->RunStartupChecks(), GetParam().result);
  if (GetParam().message) {
    ExpectOneStopMessage(GetParam().message);
  } else {
    EXPECT_TRUE(user.messages.empty()) << MessageTexts();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupRunning,
    ::testing::Values(Running{"Ruventa", {"T6KQWN00.exe"}, 1, RUVENTA_RUNNING},
                      Running{"RuventaOtherCase", {"t6kqwn00.EXE"}, 1, RUVENTA_RUNNING},
                      Running{"Kesra", {"T3HZD000.exe"}, 1, KESRA_RUNNING},
                      Running{"BothShowOnlyRuventa", {"T3HZD000.exe", "T6KQWN00.exe"}, 1, RUVENTA_RUNNING},
                      Running{"OtherExtension", {"T6KQWN00.com"}, 0, nullptr},
                      Running{"LongerName", {"T6KQWN00.exe.bak"}, 0, nullptr}),
    [](const ::testing::TestParamInfo<Running>& param) { return std::string(param.param.what); });

TEST_F(StartupChecks, OneCopyPassesASecondCopyStops) {
  EXPECT_EQ(engine->IsProgramRunning(nullptr), 0);
  auto second = machine->StartSecondCopyOfSelf();
  EXPECT_EQ(engine->IsProgramRunning(nullptr), 1);
  EXPECT_EQ(engine->RunStartupChecks(), 1);
  ExpectOneStopMessage(SELF_RUNNING);
}

}  // namespace
