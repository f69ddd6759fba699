#include "platform/native/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/mbcs_text.h"

std::string PosixFiles::ToPosixPath(const std::string& toolPath) {
  std::string out;
  for (std::size_t i = 0; i < toolPath.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(toolPath[i]);
    if (IsCp932LeadByte(c) && i + 1 < toolPath.size()) {
      out += toolPath[i];
      out += toolPath[++i];  // a trail byte 0x5C stays what it is
    } else {
      out += c == '\\' ? '/' : toolPath[i];
    }
  }
  return out;
}

const char* PosixFiles::GetEnv(const char* name) { return std::getenv(name); }

int PosixFiles::LastErrorNumber() { return errno; }

FindHandle PosixFiles::FindFirst(const char* pattern, FindEntry* entry) {
  // The engine only ever searches "<folder>\*".
  std::string path = pattern;
  if (path.size() < 2 || path.compare(path.size() - 2, 2, "\\*") != 0) {
    errno = EINVAL;
    return FIND_HANDLE_NONE;
  }
  Search search;
  search.folder = ToPosixPath(path.substr(0, path.size() - 2));
  DIR* dir = opendir(search.folder.c_str());
  if (dir == nullptr) {
    errno = ENOENT;
    return FIND_HANDLE_NONE;
  }
  while (dirent* item = readdir(dir)) search.names.push_back(item->d_name);
  closedir(dir);
  // NTFS hands entries back sorted by name; so do we, for repeatable runs.
  std::sort(search.names.begin(), search.names.end());
  if (!Fill(search, entry)) return FIND_HANDLE_NONE;
  FindHandle handle = nextHandle_++;
  searches_[handle] = std::move(search);
  return handle;
}

int PosixFiles::FindNext(FindHandle handle, FindEntry* entry) {
  auto it = searches_.find(handle);
  if (it == searches_.end() || !Fill(it->second, entry)) {
    errno = ENOENT;
    return -1;
  }
  return 0;
}

bool PosixFiles::Fill(Search& search, FindEntry* entry) {
  if (search.next >= search.names.size()) return false;
  const std::string& name = search.names[search.next++];
  std::memset(entry, 0, sizeof *entry);
  std::strncpy(entry->name, name.c_str(), sizeof entry->name - 1);
  struct stat info;
  if (lstat((search.folder + "/" + name).c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) entry->attrib |= FIND_ATTRIB_SUBDIR;
    if ((info.st_mode & 0222) == 0) entry->attrib |= FIND_ATTRIB_READONLY;
  }
  if (name[0] == '.' && name != "." && name != "..") entry->attrib |= FIND_ATTRIB_HIDDEN;
  return true;
}

int PosixFiles::FindClose(FindHandle handle) { return searches_.erase(handle) == 1 ? 0 : -1; }

int PosixFiles::Exists(const char* path) { return access(ToPosixPath(path).c_str(), F_OK) == 0 ? 0 : -1; }

int PosixFiles::RemoveFile(const char* path) {
  std::string posix = ToPosixPath(path);
  struct stat info;
  if (lstat(posix.c_str(), &info) != 0) return -1;
  // As on Windows: folders, read-only files and files in use are not deleted.
  if (S_ISDIR(info.st_mode) || (info.st_mode & 0222) == 0) {
    errno = EACCES;
    return -1;
  }
  int fd = open(posix.c_str(), O_RDONLY);
  if (fd >= 0) {
    bool inUse = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    if (inUse) {
      errno = EACCES;
      return -1;
    }
  }
  return unlink(posix.c_str()) == 0 ? 0 : -1;
}

int PosixFiles::RemoveFolder(const char* path) { return rmdir(ToPosixPath(path).c_str()) == 0 ? 0 : -1; }

void PosixFiles::Pause(std::uint32_t milliseconds) { paused_ += milliseconds; }
