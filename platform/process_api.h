// The process list as the tool-help snapshot gives it, and the tool's own module path.
#pragma once
#include <cstdint>

struct ProcessSnapshotTag;
using SnapshotHandle = ProcessSnapshotTag*;

constexpr std::uint32_t PROCESS_NAME_SIZE = 260;  // MAX_PATH

struct ProcessEntry {
  char szExeFile[PROCESS_NAME_SIZE];  // file name with extension, no folder
};

class ProcessApi {
 public:
  virtual ~ProcessApi() = default;
  // GetModuleFileNameA(nullptr, path, size); the result is not examined.
  virtual void GetOwnModulePath(char* path, std::uint32_t size) = 0;
  // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0); nullptr for INVALID_HANDLE_VALUE.
  virtual SnapshotHandle OpenSnapshot() = 0;
  virtual bool FirstProcess(SnapshotHandle snapshot, ProcessEntry* entry) = 0;  // Process32First
  virtual bool NextProcess(SnapshotHandle snapshot, ProcessEntry* entry) = 0;   // Process32Next
  virtual void CloseSnapshot(SnapshotHandle snapshot) = 0;                       // CloseHandle
};
