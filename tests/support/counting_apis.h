// Decorators that count the calls the engine makes, so that a case can tell how often
// a key was opened, and that every open handle was closed again.
#pragma once
#include <string>
#include <vector>

#include "platform/process_api.h"
#include "platform/registry_api.h"

class CountingRegistry : public RegistryApi {
 public:
  explicit CountingRegistry(RegistryApi& inner) : inner_(inner) {}

  RegStatus OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) override {
    opened.push_back(subKey);
    RegStatus status = inner_.OpenLocalMachine(subKey, access, key);
    if (status == REG_STATUS_SUCCESS) ++open;
    return status;
  }
  RegStatus QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                       std::uint32_t* size) override {
    ++queries;
    return inner_.QueryValue(key, name, type, data, size);
  }
  RegStatus DeleteSubKey(RegKeyHandle key, const char* name) override {
    ++deletions;
    return inner_.DeleteSubKey(key, name);
  }
  RegStatus DeleteValue(RegKeyHandle key, const char* name) override {
    ++deletions;
    return inner_.DeleteValue(key, name);
  }
  RegStatus CloseKey(RegKeyHandle key) override {
    --open;
    return inner_.CloseKey(key);
  }

  std::vector<std::string> opened;  // every key an open was tried on, in order
  int open = 0;                     // handles still open
  int queries = 0;
  int deletions = 0;

 private:
  RegistryApi& inner_;
};

class CountingProcesses : public ProcessApi {
 public:
  explicit CountingProcesses(ProcessApi& inner) : inner_(inner) {}

  void GetOwnModulePath(char* path, std::uint32_t size) override { inner_.GetOwnModulePath(path, size); }
  SnapshotHandle OpenSnapshot() override {
    SnapshotHandle snapshot = inner_.OpenSnapshot();
    if (snapshot != nullptr) {
      ++taken;
      ++open;
    }
    return snapshot;
  }
  bool FirstProcess(SnapshotHandle snapshot, ProcessEntry* entry) override {
    return inner_.FirstProcess(snapshot, entry);
  }
  bool NextProcess(SnapshotHandle snapshot, ProcessEntry* entry) override {
    return inner_.NextProcess(snapshot, entry);
  }
  void CloseSnapshot(SnapshotHandle snapshot) override {
    --open;
    inner_.CloseSnapshot(snapshot);
  }

  int taken = 0;
  int open = 0;

 private:
  ProcessApi& inner_;
};
