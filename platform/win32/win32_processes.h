// The process list from the tool-help snapshot, and the tool's own module path.
#pragma once
#include "platform/process_api.h"

class Win32Processes : public ProcessApi {
 public:
  void GetOwnModulePath(char* path, std::uint32_t size) override;
  SnapshotHandle OpenSnapshot() override;
  bool FirstProcess(SnapshotHandle snapshot, ProcessEntry* entry) override;
  bool NextProcess(SnapshotHandle snapshot, ProcessEntry* entry) override;
  void CloseSnapshot(SnapshotHandle snapshot) override;
};
