// Faults and awkward input on the test machine: entries that vanish mid-search,
// Shift_JIS names whose trail byte is 0x5C, data of the wrong type.
#include <algorithm>
#include <cstring>

#include "tests/support/machine_test.h"

namespace {

const char RUVENTA_CODE[] = "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}";

// Deletes a named entry right after the directory search has handed it out.
class VanishingFiles : public UnpausedFiles {
 public:
  VanishingFiles(FileApi& inner, TestMachine& machine, std::string folder, std::string name)
      : UnpausedFiles(inner), inner_(inner), machine_(machine), folder_(std::move(folder)), name_(std::move(name)) {}
  FindHandle FindFirst(const char* pattern, FindEntry* entry) override {
    FindHandle handle = UnpausedFiles::FindFirst(pattern, entry);
    if (handle != FIND_HANDLE_NONE) Vanish(entry);
    return handle;
  }
  int FindNext(FindHandle handle, FindEntry* entry) override {
    int result = UnpausedFiles::FindNext(handle, entry);
    if (result == 0) Vanish(entry);
    return result;
  }

 private:
  void Vanish(const FindEntry* entry) {
    if (name_ == entry->name) inner_.RemoveFile(machine_.Path(folder_ + "\\" + name_).c_str());
  }
  FileApi& inner_;
  TestMachine& machine_;
  std::string folder_, name_;
};

class Faults : public InstallationTest {};

TEST_F(Faults, AnEntryThatVanishesAfterTheSearchIsSkippedWithoutComment) {
  std::string folder = IsFolder(RUVENTA_CODE);
  machine->MakeFolder(folder);
  for (const char* name : {"a.dat", "gone.dat", "z.dat"}) machine->WriteFile(folder + "\\" + name);
  VanishingFiles files(machine->Files(), *machine, folder, "gone.dat");
  InstallInfoEngine vanishing(PlatformApis{*registry, files, *processes, user});
  char message[MESSAGE_BUFFER_SIZE] = {};
  EXPECT_EQ(vanishing.RemoveInstallShieldInfo(RUVENTA_CODE, message), 0);
  EXPECT_STREQ(message, "");
  EXPECT_EQ(machine->FileSnapshot().count(folder), 0u) << "the folder is gone";
}

// ソ is 0x83 0x5C and 表 is 0x95 0x5C: a byte-wise split at '\' would break them.
TEST_F(Faults, FoldersWithTrailBytes0x5CAreUsedWhole) {
  const std::string folder = "ソフト\\表計算";
  machine->MakeFolder(folder);
  machine->WriteFile(folder + "\\T6KUB000.exe");
  machine->WriteFile(folder + "\\T2FLX000.dll");
  machine->WriteFile(folder + "\\readme.txt");
  machine->SetString(KEY_RUVENTA, VALUE_FOLDER, machine->Path(folder));
  const std::string programFiles = "ソフト\\Program Files (x86)";
  const std::string info = programFiles + "\\InstallShield Installation Information\\" + RUVENTA_CODE;
  machine->MakeFolder(info);
  machine->WriteFile(info + "\\表.ini");
  machine->SetProgramFiles(machine->Path(programFiles).c_str());
  auto before = machine->FileSnapshot();

  engine->m_dwRemovedMask = 0;
  EXPECT_EQ(engine->RemoveRuventa(), 0) << MessageTexts();
  EXPECT_EQ(engine->m_dwRemovedMask, 1u);
  std::vector<std::string> expected = {folder + "\\T2FLX000.dll", folder + "\\T6KUB000.exe", info, info + "\\表.ini"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Removed(before), expected);
}

TEST_F(Faults, AFailureNamesAPathWithTrailBytes0x5CWhole) {
  const std::string folder = "ソ";
  machine->MakeFolder(folder);
  machine->WriteFile(folder + "\\T6KUB000.exe");
  machine->SetReadOnly(folder + "\\T6KUB000.exe");
  machine->SetString(KEY_RUVENTA, VALUE_FOLDER, machine->Path(folder));
  EXPECT_EQ(engine->RemoveRuventa(), -1);
  ASSERT_EQ(user.messages.size(), 1u);
  const std::string& text = user.messages[0].text;
  std::string path = machine->Path(folder + "\\T6KUB000.exe");
  EXPECT_EQ(text.substr(text.size() - path.size() - 1), path + "]");
}

TEST_F(Faults, AVersionOfAnotherTypeIsCopiedAsItsBytes) {
  // The type is never looked at; four bytes of a number and the zeros behind them.
  machine->SetDword(KEY_RUVENTA, VALUE_VERSION, 0x34333231);
  EXPECT_EQ(engine->RunStartupChecks(), 0);
  EXPECT_EQ(user.CaptionOf(IDC_CHK_RUVENTA), "ルヴェンタ[1234]");
}

TEST_F(Faults, ASecondCopyWithATrailByte0x5CInItsNameIsFound) {
  // The module path names the tool "ソ表.exe"; processes of that name are looked for.
  struct RenamedSelf : CountingProcesses {
    using CountingProcesses::CountingProcesses;
    void GetOwnModulePath(char* path, std::uint32_t size) override { std::strncpy(path, "C:\\ツール\\ソ表.exe", size); }
  } renamed(machine->Processes());
  InstallInfoEngine self(PlatformApis{*registry, machine->Files(), renamed, user});
  auto first = machine->StartProcess("ソ表.exe");
  EXPECT_EQ(self.IsProgramRunning(nullptr), 0) << "one process of that name is the tool itself";
  auto second = machine->StartProcess("ソ表.exe");
  EXPECT_EQ(self.IsProgramRunning(nullptr), 1);
}

}  // namespace
