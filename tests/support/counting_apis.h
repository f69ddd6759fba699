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

#include "platform/file_api.h"

// The real file calls with the pause recorded instead of slept: for runs of many
// states, where the pause is not what is being shown.
class UnpausedFiles : public FileApi {
 public:
  explicit UnpausedFiles(FileApi& inner) : inner_(inner) {}
  const char* GetEnv(const char* name) override { return inner_.GetEnv(name); }
  int LastErrorNumber() override { return inner_.LastErrorNumber(); }
  FindHandle FindFirst(const char* pattern, FindEntry* entry) override { return inner_.FindFirst(pattern, entry); }
  int FindNext(FindHandle handle, FindEntry* entry) override { return inner_.FindNext(handle, entry); }
  int FindClose(FindHandle handle) override { return inner_.FindClose(handle); }
  int Exists(const char* path) override { return inner_.Exists(path); }
  int RemoveFile(const char* path) override { return inner_.RemoveFile(path); }
  int RemoveFolder(const char* path) override { return inner_.RemoveFolder(path); }
  void Pause(std::uint32_t milliseconds) override { paused += milliseconds; }

  std::uint32_t paused = 0;

 private:
  FileApi& inner_;
};
