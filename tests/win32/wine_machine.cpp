// The test machine on Wine: the real registry (32-bit view), a sandbox folder on drive
// C:, and real processes.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <stdexcept>

#include "core/mbcs_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "tests/support/test_machine.h"
#include "tests/support/test_registry_roots.h"
#include "tests/support/win32_seed.h"

namespace {

std::string OwnModulePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, static_cast<std::size_t>(FileNamePart(path.c_str()) - path.c_str()) - 1);
}

bool IsListed(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
    found = entry.th32ProcessID == processId;
  CloseHandle(snapshot);
  return found;
}

// A process of ours that ends with this object; its copied executable goes with it.
class RunningProcess : public Holder {
 public:
  RunningProcess(const std::string& exePath, const std::string& arguments, HANDLE ready, bool deleteExe)
      : exePath_(exePath), deleteExe_(deleteExe) {
    std::string commandLine = "\"" + exePath + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_))
      throw std::runtime_error("cannot start " + exePath);
    if (ready != nullptr) {
      HANDLE waits[] = {ready, info_.hProcess};
      if (WaitForMultipleObjects(2, waits, FALSE, 20000) != WAIT_OBJECT_0)
        throw std::runtime_error("helper did not get ready: " + commandLine);
    }
    for (int tries = 0; tries < 200 && !IsListed(info_.dwProcessId); ++tries) Sleep(25);
  }
  ~RunningProcess() override {
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 10000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    if (deleteExe_) DeleteFileA(exePath_.c_str());
  }

 private:
  PROCESS_INFORMATION info_ = {};
  std::string exePath_;
  bool deleteExe_;
};

class WineMachine : public TestMachine {
 public:
  WineMachine() {
    std::string tag = std::to_string(GetCurrentProcessId());
    root_ = "C:\\insdel-sandbox-" + tag;
    processFolder_ = "C:\\insdel-processes-" + tag;
    win32_seed::WipeFolder(root_);
    win32_seed::MakeFolders(root_);
    win32_seed::MakeFolders(processFolder_);
    for (const std::string& key : TEST_REGISTRY_ROOTS) win32_seed::WipeKey(key);
    const char* programFiles = std::getenv("ProgramFiles");
    hadProgramFiles_ = programFiles != nullptr;
    if (programFiles) savedProgramFiles_ = programFiles;
  }
  ~WineMachine() override {
    for (const std::string& key : TEST_REGISTRY_ROOTS) win32_seed::WipeKey(key);
    win32_seed::WipeFolder(root_);
    win32_seed::WipeFolder(processFolder_);
    SetProgramFiles(hadProgramFiles_ ? savedProgramFiles_.c_str() : nullptr);
  }

  RegistryApi& Registry() override { return registry_; }
  FileApi& Files() override { return files_; }
  ProcessApi& Processes() override { return processes_; }
  bool IsReal() const override { return true; }

  void CreateKey(const std::string& key) override { win32_seed::CreateKey(key); }
  void SetString(const std::string& key, const std::string& name, const std::string& text) override {
    win32_seed::SetValue(key, name, REG_SZ, text + '\0');
  }
  void SetBinary(const std::string& key, const std::string& name, const std::string& bytes) override {
    win32_seed::SetValue(key, name, REG_BINARY, bytes);
  }
  void SetDword(const std::string& key, const std::string& name, std::uint32_t value) override {
    win32_seed::SetValue(key, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
  }
  void RestrictKey(const std::string& key, KeyRights rights) override { win32_seed::RestrictKey(key, rights); }
  std::map<std::string, std::string> RegistrySnapshot() override {
    return win32_seed::RegistrySnapshot(TEST_REGISTRY_ROOTS);
  }

  std::string Path(const std::string& relative) override { return root_ + "\\" + relative; }
  void MakeFolder(const std::string& relative) override { win32_seed::MakeFolders(Path(relative)); }
  void WriteFile(const std::string& relative, const std::string& content) override {
    win32_seed::WriteFile(Path(relative), content);
  }
  void SetReadOnly(const std::string& relative) override {
    win32_seed::AddAttributes(Path(relative), FILE_ATTRIBUTE_READONLY);
  }
  void SetHidden(const std::string& relative) override {
    win32_seed::AddAttributes(Path(relative), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  }
  std::unique_ptr<Holder> HoldOpen(const std::string& relative) override {
    std::string eventName = "insdel-hold-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++holds_);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    std::unique_ptr<Holder> holder(
        new RunningProcess(IdleProcessPath(), "--hold \"" + Path(relative) + "\" " + eventName, ready, false));
    CloseHandle(ready);
    return holder;
  }
  std::map<std::string, std::string> FileSnapshot() override { return win32_seed::FileSnapshot(root_); }
  void SetProgramFiles(const char* value) override {
    if (value) _putenv_s("ProgramFiles", value);
    else _putenv("ProgramFiles=");
  }

  std::unique_ptr<Holder> StartProcess(const std::string& exeName) override {
    // A folder of its own for each copy: two processes may run under one name.
    std::string folder = processFolder_ + "\\" + std::to_string(++copies_);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\" + exeName;
    if (!CopyFileA(IdleProcessPath().c_str(), copy.c_str(), FALSE)) throw std::runtime_error("cannot copy " + copy);
    return std::unique_ptr<Holder>(new RunningProcess(copy, "", nullptr, true));
  }
  std::unique_ptr<Holder> StartSecondCopyOfSelf() override {
    return std::unique_ptr<Holder>(new RunningProcess(OwnModulePath(), "--idle", nullptr, false));
  }
  std::string OwnExeName() override { return FileNamePart(OwnModulePath().c_str()); }

  std::uint32_t PauseDuring(const std::function<void()>& call) override {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    call();
    QueryPerformanceCounter(&end);
    return static_cast<std::uint32_t>((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
  }

 private:
  static std::string IdleProcessPath() { return FolderOf(OwnModulePath()) + "\\idle_process.exe"; }

  Win32Registry registry_;
  Win32Files files_;
  Win32Processes processes_;
  std::string root_;
  std::string processFolder_;
  std::string savedProgramFiles_;
  bool hadProgramFiles_ = false;
  int holds_ = 0;
  int copies_ = 0;
};

}  // namespace

std::unique_ptr<TestMachine> MakeTestMachine() { return std::unique_ptr<TestMachine>(new WineMachine); }
