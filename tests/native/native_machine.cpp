// The test machine on the stand-ins: an in-memory registry, a temporary folder, a
// scripted process list.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/native/fake_processes.h"
#include "platform/native/fake_registry.h"
#include "platform/native/posix_files.h"
#include "tests/support/snapshot_lines.h"
#include "tests/support/test_machine.h"
#include "tests/support/test_registry_roots.h"

namespace {

const std::vector<std::string>& SNAPSHOT_ROOTS = TEST_REGISTRY_ROOTS;

class OpenFileHolder : public Holder {
 public:
  explicit OpenFileHolder(const std::string& path) : fd_(open(path.c_str(), O_RDONLY)) {
    if (fd_ < 0 || flock(fd_, LOCK_EX) != 0) throw std::runtime_error("cannot hold " + path);
  }
  ~OpenFileHolder() override { close(fd_); }

 private:
  int fd_;
};

class ListedProcess : public Holder {
 public:
  ListedProcess(FakeProcesses& processes, const std::string& name) : processes_(processes), name_(name) {
    processes_.running.push_back(name);
  }
  ~ListedProcess() override {
    auto it = std::find(processes_.running.begin(), processes_.running.end(), name_);
    if (it != processes_.running.end()) processes_.running.erase(it);
  }

 private:
  FakeProcesses& processes_;
  std::string name_;
};

void RemoveTree(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) {
    chmod(path.c_str(), 0755);
    if (DIR* dir = opendir(path.c_str())) {
      while (dirent* item = readdir(dir)) {
        std::string name = item->d_name;
        if (name != "." && name != "..") RemoveTree(path + "/" + name);
      }
      closedir(dir);
    }
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

class NativeMachine : public TestMachine {
 public:
  NativeMachine() {
    char pattern[] = "/tmp/insdel-test.XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
    root_ = pattern;
    processes_.running = {"System", "explorer.exe", "SolneaInsDel.exe"};
    savedProgramFiles_ = std::getenv("ProgramFiles") ? std::getenv("ProgramFiles") : "";
    hadProgramFiles_ = std::getenv("ProgramFiles") != nullptr;
  }
  ~NativeMachine() override {
    RemoveTree(root_);
    if (hadProgramFiles_) setenv("ProgramFiles", savedProgramFiles_.c_str(), 1);
    else unsetenv("ProgramFiles");
  }

  RegistryApi& Registry() override { return registry_; }
  FileApi& Files() override { return files_; }
  ProcessApi& Processes() override { return processes_; }
  bool IsReal() const override { return false; }

  void CreateKey(const std::string& key) override { registry_.CreateKey(key); }
  void SetString(const std::string& key, const std::string& name, const std::string& text) override {
    registry_.SetValue(key, name, FAKE_REG_SZ, text + '\0');
  }
  void SetBinary(const std::string& key, const std::string& name, const std::string& bytes) override {
    registry_.SetValue(key, name, FAKE_REG_BINARY, bytes);
  }
  void SetDword(const std::string& key, const std::string& name, std::uint32_t value) override {
    registry_.SetValue(key, name, FAKE_REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
  }
  void RestrictKey(const std::string& key, KeyRights rights) override {
    registry_.RestrictKey(key, rights == KeyRights::Full ? KeyAccess::Full
                                : rights == KeyRights::ReadOnly ? KeyAccess::ReadOnly
                                                                : KeyAccess::None);
  }
  std::map<std::string, std::string> RegistrySnapshot() override {
    std::map<std::string, std::string> lines;
    for (const std::string& root : SNAPSHOT_ROOTS)
      registry_.ForEachEntry(root, [&](const std::string& key, const std::string* name, std::uint32_t type,
                                       const std::string& data) {
        if (name == nullptr) lines[SnapshotKeyLine(key)] = "key";
        else lines[SnapshotValueLine(key, *name)] = SnapshotValueData(type, data);
      });
    return lines;
  }

  std::string Path(const std::string& relative) override { return root_ + "\\" + relative; }
  void MakeFolder(const std::string& relative) override {
    std::string path = PosixFiles::ToPosixPath(Path(relative));
    for (std::size_t at = root_.size() + 1; at != std::string::npos; at = path.find('/', at + 1))
      mkdir(path.substr(0, at).c_str(), 0755);
    mkdir(path.c_str(), 0755);
  }
  void WriteFile(const std::string& relative, const std::string& content) override {
    std::ofstream out(PosixFiles::ToPosixPath(Path(relative)), std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + relative);
    out << content;
  }
  void SetReadOnly(const std::string& relative) override {
    chmod(PosixFiles::ToPosixPath(Path(relative)).c_str(), 0444);
  }
  void SetHidden(const std::string&) override {}  // no such attribute here
  std::unique_ptr<Holder> HoldOpen(const std::string& relative) override {
    return std::unique_ptr<Holder>(new OpenFileHolder(PosixFiles::ToPosixPath(Path(relative))));
  }
  std::map<std::string, std::string> FileSnapshot() override {
    std::map<std::string, std::string> lines;
    Walk(root_, "", lines);
    return lines;
  }
  void SetProgramFiles(const char* value) override {
    if (value) setenv("ProgramFiles", value, 1);
    else unsetenv("ProgramFiles");
  }

  std::unique_ptr<Holder> StartProcess(const std::string& exeName) override {
    return std::unique_ptr<Holder>(new ListedProcess(processes_, exeName));
  }
  std::unique_ptr<Holder> StartSecondCopyOfSelf() override { return StartProcess(OwnExeName()); }
  std::string OwnExeName() override { return "SolneaInsDel.exe"; }

  std::uint32_t PauseDuring(const std::function<void()>& call) override {
    std::uint32_t before = files_.PausedMilliseconds();
    call();
    return files_.PausedMilliseconds() - before;
  }

 private:
  void Walk(const std::string& posix, const std::string& relative, std::map<std::string, std::string>& lines) {
    DIR* dir = opendir(posix.c_str());
    if (dir == nullptr) return;
    while (dirent* item = readdir(dir)) {
      std::string name = item->d_name;
      if (name == "." || name == "..") continue;
      std::string childPosix = posix + "/" + name;
      std::string childRelative = relative.empty() ? name : relative + "\\" + name;
      struct stat info;
      lstat(childPosix.c_str(), &info);
      if (S_ISDIR(info.st_mode)) {
        lines[childRelative] = "folder";
        Walk(childPosix, childRelative, lines);
      } else {
        std::ifstream in(childPosix, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        lines[childRelative] = std::string((info.st_mode & 0222) == 0 ? "ro " : "rw ") + content.str();
      }
    }
    closedir(dir);
  }

  FakeRegistry registry_;
  PosixFiles files_;
  FakeProcesses processes_;
  std::string root_;
  std::string savedProgramFiles_;
  bool hadProgramFiles_ = false;
};

}  // namespace

std::unique_ptr<TestMachine> MakeTestMachine() { return std::unique_ptr<TestMachine>(new NativeMachine); }
