// Emptying and removing a product's installation-information folder, on the test
// machine's file system.
#include <cstring>

#include "tests/support/machine_test.h"

namespace {

const char CODE[] = "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}";

// Sleep's wake-up is quantised to the system timer, so the real clock may read a
// little under the second asked for.
constexpr std::uint32_t REAL_SECOND_AT_LEAST = 975;

class InstallShieldCleanup : public InstallationTest {
 protected:
  void SetUp() override {
    InstallationTest::SetUp();
    std::memset(message, 'Z', sizeof message);
  }

  int Run() {
    int result = 0;
    paused = machine->PauseDuring([&] { result = engine->RemoveInstallShieldInfo(CODE, message); });
    return result;
  }
  bool MessageUntouched() const {
    for (char c : message)
      if (c != 'Z') return false;
    return true;
  }
  std::string CouldNotDelete(const char* what, const std::string& path) const {
    return std::string(what) + "の削除ができませんでした。\r\n管理者権限でログインしていない場合は、管理者権限で" +
           "ログインしてから、再度本ツールを適用してください。\r\n　　[" + path + "]";
  }
  // The names of the folder's entries in the order the search gives them.
  std::vector<std::string> SearchOrder() {
    std::vector<std::string> names;
    FindEntry entry = {};
    FindHandle search = machine->Files().FindFirst(machine->Path(IsFolder(CODE) + "\\*").c_str(), &entry);
    for (int found = search == FIND_HANDLE_NONE ? -1 : 0; found == 0;
         found = machine->Files().FindNext(search, &entry)) {
      std::string name = entry.name;
      if (name != "." && name != "..") names.push_back(name);
    }
    if (search != FIND_HANDLE_NONE) machine->Files().FindClose(search);
    return names;
  }

  char message[MESSAGE_BUFFER_SIZE];
  std::uint32_t paused = 0;
};

TEST_F(InstallShieldCleanup, AFolderThatNeverExistedGivesOneAfterTheFullPause) {
  auto before = machine->FileSnapshot();
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(MessageUntouched());
  EXPECT_GE(paused, machine->IsReal() ? REAL_SECOND_AT_LEAST : 1000u);
  EXPECT_TRUE(Removed(before).empty());
}

TEST_F(InstallShieldCleanup, AFolderOfFilesIsEmptiedAndRemoved) {
  machine->MakeFolder(IsFolder(CODE));
  for (const char* name : {"setup.ilg", "layout.bin", "_ISres.dll", "hidden.dat"})
    machine->WriteFile(IsFolder(CODE) + "\\" + name);
  machine->SetHidden(IsFolder(CODE) + "\\hidden.dat");
  auto before = machine->FileSnapshot();

  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MessageUntouched());
  auto removed = Removed(before);
  EXPECT_EQ(removed.size(), 5u);
  for (const std::string& entry : removed) EXPECT_EQ(entry.rfind(IsFolder(CODE), 0), 0u) << entry;
}

TEST_F(InstallShieldCleanup, AnEmptyFolderIsRemoved) {
  machine->MakeFolder(IsFolder(CODE));
  auto before = machine->FileSnapshot();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Removed(before), std::vector<std::string>{IsFolder(CODE)});
}

TEST_F(InstallShieldCleanup, ASubfolderKeepsTheFolderAfterItsFilesAreGone) {
  machine->MakeFolder(IsFolder(CODE) + "\\Disk1");
  machine->WriteFile(IsFolder(CODE) + "\\Disk1\\data.cab");
  machine->WriteFile(IsFolder(CODE) + "\\setup.ini");
  machine->WriteFile(IsFolder(CODE) + "\\zz.bin");
  auto before = machine->FileSnapshot();

  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(std::string(message), CouldNotDelete("インストール情報フォルダ", machine->Path(IsFolder(CODE))));
  EXPECT_EQ(Removed(before), (std::vector<std::string>{IsFolder(CODE) + "\\setup.ini", IsFolder(CODE) + "\\zz.bin"}));
  EXPECT_GE(paused, machine->IsReal() ? REAL_SECOND_AT_LEAST : 1000u);
}

// A file that cannot be deleted stops the cleanup at that file: those before it in the
// search order are gone, it and those after it stay, and nobody waits.
class UndeletableFile : public InstallShieldCleanup, public ::testing::WithParamInterface<bool> {};

TEST_P(UndeletableFile, StopsTheCleanupAtThatFile) {
  const bool heldOpen = GetParam();
  machine->MakeFolder(IsFolder(CODE));
  for (const char* name : {"a.txt", "b.txt", "locked.txt", "x.txt", "y.txt"})
    machine->WriteFile(IsFolder(CODE) + "\\" + name);
  std::unique_ptr<Holder> holder;
  if (heldOpen) holder = machine->HoldOpen(IsFolder(CODE) + "\\locked.txt");
  else machine->SetReadOnly(IsFolder(CODE) + "\\locked.txt");
  std::vector<std::string> order = SearchOrder();
  auto before = machine->FileSnapshot();

  EXPECT_EQ(Run(), -1);
  std::string locked = IsFolder(CODE) + "\\locked.txt";
  EXPECT_EQ(std::string(message), CouldNotDelete("インストール情報ファイル", machine->Path(locked)));
  std::vector<std::string> expected;
  for (const std::string& name : order) {
    if (name == "locked.txt") break;
    expected.push_back(IsFolder(CODE) + "\\" + name);
  }
  EXPECT_EQ(Removed(before), expected);
  EXPECT_LT(paused, machine->IsReal() ? 500u : 1u) << "no pause after a failed file";
}

INSTANTIATE_TEST_SUITE_P(Cases, UndeletableFile, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return std::string(param.param ? "HeldOpen" : "ReadOnly");
                         });

TEST_F(InstallShieldCleanup, WithoutProgramFilesNothingIsTouched) {
  machine->MakeFolder(IsFolder(CODE));
  machine->WriteFile(IsFolder(CODE) + "\\setup.ini");
  machine->SetProgramFiles(nullptr);
  auto before = machine->FileSnapshot();

  EXPECT_EQ(Run(), -1);
  std::string text = message;
  const std::string head = "ProgramFilesの場所が取得できません。\r\n処理を終了します。\r\n\r\n　[getenv：";
  const std::string tail = "]\r\n　[ProgramFiles]";
  ASSERT_GT(text.size(), head.size() + tail.size()) << text;
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  std::string number = text.substr(head.size(), text.size() - head.size() - tail.size());
  EXPECT_EQ(number.find_first_not_of("-0123456789"), std::string::npos) << number;
  EXPECT_TRUE(Removed(before).empty());
}

TEST_F(InstallShieldCleanup, ASecondCallAfterSuccessFindsNothing) {
  machine->MakeFolder(IsFolder(CODE));
  machine->WriteFile(IsFolder(CODE) + "\\setup.ini");
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Run(), 1);
}

TEST_F(InstallShieldCleanup, AProgramFilesPathTooLongForTheBufferIsRefusedWhole) {
  // Room for the folder path but not for the search pattern, and a folder path that
  // does not fit at all: both are refused and nothing is touched.
  std::string base = machine->Path(PROGRAM_FILES);
  const std::size_t fixed = std::strlen("\\InstallShield Installation Information\\") + std::strlen(CODE);
  for (std::size_t folderLength : {std::size_t{519}, std::size_t{520}, std::size_t{700}}) {
    std::string programFiles = base + "\\" + std::string(folderLength - fixed - base.size() - 1, 'p');
    machine->SetProgramFiles(programFiles.c_str());
    std::memset(message, 'Z', sizeof message);
    auto before = machine->FileSnapshot();
    EXPECT_EQ(Run(), -1) << folderLength;
    EXPECT_EQ(std::string(message).rfind("インストール情報フォルダの削除ができませんでした。", 0), 0u) << message;
    EXPECT_LT(paused, machine->IsReal() ? 500u : 1u) << "no pause";
    EXPECT_TRUE(Removed(before).empty());
  }
}

}  // namespace
