// A scripted process list and module path.
#pragma once
#include <string>
#include <vector>

#include "platform/process_api.h"

class FakeProcesses : public ProcessApi {
 public:
  void GetOwnModulePath(char* path, std::uint32_t size) override;
  SnapshotHandle OpenSnapshot() override;
  bool FirstProcess(SnapshotHandle snapshot, ProcessEntry* entry) override;
  bool NextProcess(SnapshotHandle snapshot, ProcessEntry* entry) override;
  void CloseSnapshot(SnapshotHandle snapshot) override;

  std::string modulePath = "C:\\tools\\SolneaInsDel.exe";
  std::vector<std::string> running;  // executable file names, in snapshot order
  bool snapshotFails = false;

 private:
  bool Fill(ProcessEntry* entry);
  std::size_t next_ = 0;
};
