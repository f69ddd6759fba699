#include "platform/win32/win32_files.h"

#include <direct.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void CopyEntry(const _finddata32_t& data, FindEntry* entry) {
  std::memset(entry, 0, sizeof *entry);
  entry->attrib = data.attrib;
  std::memcpy(entry->name, data.name, sizeof entry->name);
  entry->name[sizeof entry->name - 1] = '\0';
}

}  // namespace

const char* Win32Files::GetEnv(const char* name) { return std::getenv(name); }

int Win32Files::LastErrorNumber() { return errno; }

FindHandle Win32Files::FindFirst(const char* pattern, FindEntry* entry) {
  _finddata32_t data = {};
  intptr_t handle = _findfirst32(pattern, &data);
  if (handle != -1) CopyEntry(data, entry);
  return handle;
}

int Win32Files::FindNext(FindHandle handle, FindEntry* entry) {
  _finddata32_t data = {};
  int result = _findnext32(handle, &data);
  if (result == 0) CopyEntry(data, entry);
  return result;
}

int Win32Files::FindClose(FindHandle handle) { return _findclose(handle); }

int Win32Files::Exists(const char* path) { return _access(path, 0); }

int Win32Files::RemoveFile(const char* path) { return std::remove(path); }

int Win32Files::RemoveFolder(const char* path) { return _rmdir(path); }

void Win32Files::Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }
