// The three products' removal procedures on a seeded installation: what each deletes,
// what it reports, which bit it sets, and that nothing else changes.
#include <algorithm>
#include <cstring>

#include "tests/support/machine_test.h"

namespace {

const char RUVENTA_CODE[] = "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}";
const char KESRA_CODE[] = "{C4A9F017-3B6E-4D82-9E15-60D7B8A2F4C9}";
const char SELDA_CODE[] = "{3E8B2C71-A4D9-41F6-8F62-7C09B5DA4170}";

std::string CouldNotDelete(const std::string& what, const std::string& path) {
  return what + "の削除ができませんでした。\r\n管理者権限でログインしていない場合は、管理者権限で" +
         "ログインしてから、再度本ツールを適用してください。\r\n　　[" + path + "]";
}

class RemovalProcedures : public InstallationTest {
 protected:
  void SetUp() override {
    InstallationTest::SetUp();
    engine->m_dwRemovedMask = 0;
  }

  void SeedRuventa() {
    machine->SetString(KEY_RUVENTA, VALUE_VERSION, "12340");
    machine->SetString(KEY_RUVENTA, VALUE_FOLDER, machine->Path("Ruventa"));
    machine->SetString(KEY_RUVENTA, "Other", "stays");
    machine->MakeFolder("Ruventa");
    for (const char* name : {"T6KUB000.exe", "T2FLX000.dll", "T6KQWN00.exe", "readme.txt"})
      machine->WriteFile(std::string("Ruventa\\") + name);
    machine->MakeFolder(IsFolder(RUVENTA_CODE));
    machine->WriteFile(IsFolder(RUVENTA_CODE) + "\\setup.ilg");
  }
  void SeedKesra() {
    machine->SetString(KEY_KESRA, VALUE_VERSION, "071");
    machine->SetString(KEY_KESRA, VALUE_FOLDER, machine->Path("Kesra"));
    machine->MakeFolder("Kesra");
    for (const char* name : {"T3HMS000.exe", "T2FLX000.dll", "T6KUB000.exe"})
      machine->WriteFile(std::string("Kesra\\") + name);
    machine->MakeFolder(IsFolder(KESRA_CODE));
    machine->WriteFile(IsFolder(KESRA_CODE) + "\\setup.ilg");
  }
  void SeedSelda() {
    machine->SetString(KEY_SELDA, "Directory", machine->Path("SCLR"));
    machine->CreateKey(KEY_SELDA_PARENT + "\\SolneaI");
    machine->SetString(KEY_SELDA_PARENT + "\\SolneaI", "Version", "1");
    machine->CreateKey(KEY_SELDA_PARENT + "\\OtherProduct");
    machine->MakeFolder("SCLR\\PROGRAM\\bin");
    machine->WriteFile("SCLR\\PROGRAM\\bin\\cellprep.exe");
    machine->WriteFile("SCLR\\PROGRAM\\bin\\sclr.dll");
    machine->WriteFile("SCLR\\cellprep.exe");
    machine->MakeFolder(IsFolder(SELDA_CODE));
  }

  struct Snapshots {
    std::map<std::string, std::string> registry, files;
  };
  Snapshots Take() { return {machine->RegistrySnapshot(), machine->FileSnapshot()}; }
  std::vector<std::string> RemovedKeys(const Snapshots& before) {
    return RemovedEntries(before.registry, machine->RegistrySnapshot());
  }
  std::vector<std::string> RemovedFiles(const Snapshots& before) { return Removed(before.files); }

  void ExpectMessages(const std::vector<std::string>& texts) {
    ASSERT_EQ(user.messages.size(), texts.size()) << MessageTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(user.messages[i].text, texts[i]);
      EXPECT_EQ(user.messages[i].caption, "ソルネア　インストール情報削除");
      EXPECT_EQ(user.messages[i].type, 0x10u);
    }
  }
};

TEST_F(RemovalProcedures, ProductsNotInstalledAreAlreadyRemoved) {
  auto before = Take();
  EXPECT_EQ(engine->RemoveRuventa(), 0);
  EXPECT_EQ(engine->RemoveKesra(), 0);
  EXPECT_EQ(engine->RemoveSelda(), 0);
  EXPECT_EQ(engine->m_dwRemovedMask, 0u);
  ExpectMessages({});
  EXPECT_TRUE(RemovedKeys(before).empty());
  EXPECT_TRUE(RemovedFiles(before).empty());
}

TEST_F(RemovalProcedures, EachProductRemovesExactlyItsOwnItems) {
  SeedRuventa();
  SeedKesra();
  SeedSelda();
  struct Case {
    int (InstallInfoEngine::*remove)();
    std::uint32_t bit;
    std::vector<std::string> keys, files;
  } cases[] = {
      {&InstallInfoEngine::RemoveRuventa, 1, {},
       {"Ruventa\\T6KUB000.exe", "Ruventa\\T2FLX000.dll", IsFolder(RUVENTA_CODE),
        IsFolder(RUVENTA_CODE) + "\\setup.ilg"}},
      {&InstallInfoEngine::RemoveKesra, 2, {"software\\orviqr\\solnear\\pcr\\common :" + VALUE_VERSION},
       {"Kesra\\T2FLX000.dll", "Kesra\\T3HMS000.exe", IsFolder(KESRA_CODE), IsFolder(KESRA_CODE) + "\\setup.ilg"}},
      {&InstallInfoEngine::RemoveSelda, 4,
       {"software\\fujitsu\\install\\securecrypto library r\\parent product\\solneai",
        "software\\fujitsu\\install\\securecrypto library r\\parent product\\solneai :version"},
       {"SCLR\\PROGRAM\\bin\\cellprep.exe", IsFolder(SELDA_CODE)}},
  };
  for (const Case& c : cases) {
    auto before = Take();
    engine->m_dwRemovedMask = 0;
    EXPECT_EQ((engine.get()->*c.remove)(), 0) << c.bit;
    EXPECT_EQ(engine->m_dwRemovedMask, c.bit);
    EXPECT_EQ(RemovedKeys(before), c.keys) << c.bit;
    auto files = RemovedFiles(before);
    std::sort(files.begin(), files.end());
    auto expected = c.files;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected) << c.bit;
  }
  ExpectMessages({});
}

TEST_F(RemovalProcedures, KesraWithOnlyItsVersionLeftIsRemoved) {
  machine->SetString(KEY_KESRA, VALUE_VERSION, "071");
  auto before = Take();
  EXPECT_EQ(engine->RemoveKesra(), 0);
  EXPECT_EQ(engine->m_dwRemovedMask, 2u);
  EXPECT_EQ(RemovedKeys(before), std::vector<std::string>{"software\\orviqr\\solnear\\pcr\\common :" + VALUE_VERSION});
}

TEST_F(RemovalProcedures, AMissingFirstFileDoesNotStopTheSecond) {
  machine->SetString(KEY_RUVENTA, VALUE_FOLDER, machine->Path("Ruventa"));
  machine->MakeFolder("Ruventa");
  machine->WriteFile("Ruventa\\T2FLX000.dll");
  auto before = Take();
  EXPECT_EQ(engine->RemoveRuventa(), 0);
  EXPECT_EQ(engine->m_dwRemovedMask, 1u);
  EXPECT_EQ(RemovedFiles(before), std::vector<std::string>{"Ruventa\\T2FLX000.dll"});
}

TEST_F(RemovalProcedures, AReadOnlyFirstFileStopsTheProductButKeepsItsEarlierBit) {
  SeedKesra();
  machine->SetReadOnly("Kesra\\T3HMS000.exe");
  auto before = Take();
  EXPECT_EQ(engine->RemoveKesra(), -1);
  ExpectMessages({CouldNotDelete("ケスラ", machine->Path("Kesra\\T3HMS000.exe"))});
  EXPECT_EQ(engine->m_dwRemovedMask, 2u) << "set by the registry step";
  EXPECT_EQ(RemovedKeys(before).size(), 1u);
  EXPECT_TRUE(RemovedFiles(before).empty()) << "second file and installation information stay";
}

TEST_F(RemovalProcedures, AProgramFileInUseIsReported) {
  SeedRuventa();
  auto held = machine->HoldOpen("Ruventa\\T2FLX000.dll");
  auto before = Take();
  EXPECT_EQ(engine->RemoveRuventa(), -1);
  ExpectMessages({CouldNotDelete("ルヴェンタ", machine->Path("Ruventa\\T2FLX000.dll"))});
  EXPECT_EQ(RemovedFiles(before), std::vector<std::string>{"Ruventa\\T6KUB000.exe"});
  EXPECT_EQ(engine->m_dwRemovedMask, 1u);
}

TEST_F(RemovalProcedures, ASubfolderInTheInstallationInformationIsReported) {
  SeedSelda();
  machine->MakeFolder(IsFolder(SELDA_CODE) + "\\Disk1");
  EXPECT_EQ(engine->RemoveSelda(), -1);
  ExpectMessages({CouldNotDelete("インストール情報フォルダ", machine->Path(IsFolder(SELDA_CODE)))});
  EXPECT_EQ(engine->m_dwRemovedMask, 4u);
}

TEST_F(RemovalProcedures, KesraOnAKeyTheUserMayNotChangeReportsTheRegistryWithEmptyBrackets) {
  SeedKesra();
  machine->RestrictKey(KEY_KESRA, KeyRights::ReadOnly);
  auto before = Take();
  EXPECT_EQ(engine->RemoveKesra(), -1);
  ExpectMessages({CouldNotDelete("レジストリ", "")});
  EXPECT_EQ(engine->m_dwRemovedMask, 0u);
  EXPECT_TRUE(RemovedKeys(before).empty());
  EXPECT_TRUE(RemovedFiles(before).empty());
  machine->RestrictKey(KEY_KESRA, KeyRights::Full);
}

TEST_F(RemovalProcedures, SeldaWhoseSubkeyHasSubkeysReportsItsRegistryError) {
  SeedSelda();
  machine->CreateKey(KEY_SELDA_PARENT + "\\SolneaI\\Deeper");
  auto before = Take();
  EXPECT_EQ(engine->RemoveSelda(), -1);
  ExpectMessages({"[RemoveSCLR]レジストリ削除エラー。処理を終了します"});
  EXPECT_TRUE(RemovedKeys(before).empty());
  EXPECT_TRUE(RemovedFiles(before).empty());
}

// Folder values at and over the 521-byte buffer, and the paths they give.
TEST_F(RemovalProcedures, FolderValuesAtTheBufferBound) {
  const std::string readFailed = "レジストリの取得に失敗しました[プログラムフォルダ]";
  machine->MakeFolder("Ruventa");
  machine->WriteFile("Ruventa\\T6KUB000.exe");

  struct Case {
    const char* what;
    std::string folder;
    bool binary;
    std::string message;
  } cases[] = {
      {"520 bytes fit the buffer, but its paths do not",
       std::string(520, 'f'), false, CouldNotDelete("ルヴェンタ", std::string(520, 'f') + "\\T6KUB000.exe")},
      {"521 bytes do not fit", std::string(521, 'f'), false, readFailed},
      {"521 bytes without terminator", std::string(521, 'f'), true, readFailed},
      {"paths one byte too long", std::string(508, 'f'), false,
       CouldNotDelete("ルヴェンタ", std::string(508, 'f') + "\\T6KUB000.exe")},
  };
  for (const Case& c : cases) {
    if (c.binary) machine->SetBinary(KEY_RUVENTA, VALUE_FOLDER, c.folder);
    else machine->SetString(KEY_RUVENTA, VALUE_FOLDER, c.folder);
    user.messages.clear();
    auto before = Take();
    EXPECT_EQ(engine->RemoveRuventa(), -1) << c.what;
    ASSERT_EQ(user.messages.size(), 1u) << c.what;
    EXPECT_EQ(user.messages[0].text, c.message) << c.what;
    EXPECT_TRUE(RemovedFiles(before).empty()) << c.what;
  }
}

TEST_F(RemovalProcedures, AFolderPathThatJustFitsIsUsed) {
  // 507 bytes of folder, '\', 12 of name: 520 and the terminator.
  std::string deep = machine->Path("Ruventa");
  while (deep.size() < 507) deep += "\\" + std::string(std::min<std::size_t>(100, 507 - deep.size() - 1), 'd');
  ASSERT_EQ(deep.size(), 507u);
  std::string relative = deep.substr(machine->Path("").size());
  if (machine->IsReal() && deep.size() >= 260) GTEST_SKIP() << "beyond MAX_PATH on Windows";
  machine->MakeFolder(relative);
  machine->WriteFile(relative + "\\T6KUB000.exe");
  machine->SetString(KEY_RUVENTA, VALUE_FOLDER, deep);
  auto before = Take();
  EXPECT_EQ(engine->RemoveRuventa(), 0);
  EXPECT_EQ(RemovedFiles(before), std::vector<std::string>{relative + "\\T6KUB000.exe"});
}

TEST_F(RemovalProcedures, AnEmptyFolderValueTestsNoFileAnywhere) {
  machine->SetString(KEY_RUVENTA, VALUE_FOLDER, "");
  machine->MakeFolder(IsFolder(RUVENTA_CODE));
  auto before = Take();
  EXPECT_EQ(engine->RemoveRuventa(), 0);
  EXPECT_EQ(engine->m_dwRemovedMask, 1u) << "the installation information was still removed";
  EXPECT_EQ(RemovedFiles(before), std::vector<std::string>{IsFolder(RUVENTA_CODE)});
}

TEST_F(RemovalProcedures, AFolderKeyTheUserMayNotOpenFullyStopsBeforeTheFiles) {
  SeedSelda();
  machine->RestrictKey(KEY_SELDA, KeyRights::ReadOnly);
  auto before = Take();
  EXPECT_EQ(engine->RemoveSelda(), -1);
  ExpectMessages({"[RemoveSCLR]プログラムフォルダ取得に失敗。処理を終了します"});
  EXPECT_EQ(engine->m_dwRemovedMask, 4u) << "the subkey went first";
  EXPECT_TRUE(RemovedFiles(before).empty());
  machine->RestrictKey(KEY_SELDA, KeyRights::Full);
}

}  // namespace
