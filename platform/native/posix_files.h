// The engine's file calls on a POSIX file system, behaving as the Windows run-time
// library does: '\' separators, "." and ".." in a search, read-only files and files
// held open (an exclusive flock) that cannot be deleted, remove() that never deletes a
// folder. The pause is recorded, not slept.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/file_api.h"

class PosixFiles : public FileApi {
 public:
  const char* GetEnv(const char* name) override;
  int LastErrorNumber() override;
  FindHandle FindFirst(const char* pattern, FindEntry* entry) override;
  int FindNext(FindHandle handle, FindEntry* entry) override;
  int FindClose(FindHandle handle) override;
  int Exists(const char* path) override;
  int RemoveFile(const char* path) override;
  int RemoveFolder(const char* path) override;
  void Pause(std::uint32_t milliseconds) override;

  std::uint32_t PausedMilliseconds() const { return paused_; }

  // A tool path ("\" separators) as a POSIX path.
  static std::string ToPosixPath(const std::string& toolPath);

 private:
  struct Search {
    std::string folder;
    std::vector<std::string> names;
    std::size_t next = 0;
  };
  bool Fill(Search& search, FindEntry* entry);

  std::map<FindHandle, Search> searches_;
  FindHandle nextHandle_ = 1;
  std::uint32_t paused_ = 0;
};
