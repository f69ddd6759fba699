#include "platform/native/fake_processes.h"

#include <cstring>

void FakeProcesses::GetOwnModulePath(char* path, std::uint32_t size) {
  std::strncpy(path, modulePath.c_str(), size);
  if (size > 0) path[size - 1] = '\0';
}

SnapshotHandle FakeProcesses::OpenSnapshot() {
  if (snapshotFails) return nullptr;
  next_ = 0;
  return reinterpret_cast<SnapshotHandle>(this);
}

bool FakeProcesses::Fill(ProcessEntry* entry) {
  if (next_ >= running.size()) return false;
  std::memset(entry, 0, sizeof *entry);
  std::strncpy(entry->szExeFile, running[next_++].c_str(), sizeof entry->szExeFile - 1);
  return true;
}

bool FakeProcesses::FirstProcess(SnapshotHandle, ProcessEntry* entry) {
  next_ = 0;
  return Fill(entry);
}

bool FakeProcesses::NextProcess(SnapshotHandle, ProcessEntry* entry) { return Fill(entry); }

void FakeProcesses::CloseSnapshot(SnapshotHandle) {}
