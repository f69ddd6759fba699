// The run-time library calls of the removal engine: environment, directory search,
// existence, deletion, folder removal and the pause.
#pragma once
#include <cstdint>

// The part of the run-time library's directory entry that the engine looks at.
struct FindEntry {
  std::uint32_t attrib;
  char name[260];
};

enum : std::uint32_t {
  FIND_ATTRIB_READONLY = 0x01,
  FIND_ATTRIB_HIDDEN = 0x02,
  FIND_ATTRIB_SYSTEM = 0x04,
  FIND_ATTRIB_SUBDIR = 0x10,
};

using FindHandle = std::intptr_t;
constexpr FindHandle FIND_HANDLE_NONE = -1;

class FileApi {
 public:
  virtual ~FileApi() = default;
  virtual const char* GetEnv(const char* name) = 0;   // getenv
  virtual int LastErrorNumber() = 0;                   // errno
  virtual FindHandle FindFirst(const char* pattern, FindEntry* entry) = 0;  // _findfirst32
  virtual int FindNext(FindHandle handle, FindEntry* entry) = 0;           // _findnext32
  virtual int FindClose(FindHandle handle) = 0;                            // _findclose
  virtual int Exists(const char* path) = 0;        // _access(path, 0): 0 when it exists
  virtual int RemoveFile(const char* path) = 0;    // remove: 0 when deleted
  virtual int RemoveFolder(const char* path) = 0;  // _rmdir: 0 when removed
  virtual void Pause(std::uint32_t milliseconds) = 0;  // Sleep
};
