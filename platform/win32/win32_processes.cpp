#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

namespace {

HANDLE ToHandle(SnapshotHandle snapshot) { return reinterpret_cast<HANDLE>(snapshot); }

// The multibyte entry, 296 bytes, zero-filled with its size set before every call.
bool Fetch(SnapshotHandle snapshot, ProcessEntry* entry, bool first) {
  PROCESSENTRY32 process;
  std::memset(&process, 0, sizeof process);
  process.dwSize = sizeof process;
  BOOL more = first ? Process32First(ToHandle(snapshot), &process) : Process32Next(ToHandle(snapshot), &process);
  if (!more) return false;
  std::memcpy(entry->szExeFile, process.szExeFile, sizeof entry->szExeFile);
  entry->szExeFile[sizeof entry->szExeFile - 1] = '\0';
  return true;
}

static_assert(sizeof(PROCESSENTRY32) == 296, "the multibyte process entry");

}  // namespace

void Win32Processes::GetOwnModulePath(char* path, std::uint32_t size) { GetModuleFileNameA(nullptr, path, size); }

SnapshotHandle Win32Processes::OpenSnapshot() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  return snapshot == INVALID_HANDLE_VALUE ? nullptr : reinterpret_cast<SnapshotHandle>(snapshot);
}

bool Win32Processes::FirstProcess(SnapshotHandle snapshot, ProcessEntry* entry) { return Fetch(snapshot, entry, true); }

bool Win32Processes::NextProcess(SnapshotHandle snapshot, ProcessEntry* entry) { return Fetch(snapshot, entry, false); }

void Win32Processes::CloseSnapshot(SnapshotHandle snapshot) { CloseHandle(ToHandle(snapshot)); }
