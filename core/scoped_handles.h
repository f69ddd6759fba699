// Owners that close what the platform opened, in the function that opened it.
#pragma once
#include "platform/file_api.h"
#include "platform/process_api.h"
#include "platform/registry_api.h"

class ScopedRegKey {
 public:
  explicit ScopedRegKey(RegistryApi& api) : api_(api) {}
  ~ScopedRegKey() { Close(); }
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;

  RegKeyHandle* Receive() { Close(); return &key_; }
  RegKeyHandle Get() const { return key_; }
  void Close() {
    if (key_ != nullptr) api_.CloseKey(key_);
    key_ = nullptr;
  }

 private:
  RegistryApi& api_;
  RegKeyHandle key_ = nullptr;
};

class ScopedFind {
 public:
  ScopedFind(FileApi& api, FindHandle handle) : api_(api), handle_(handle) {}
  ~ScopedFind() { Close(); }
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;

  bool IsOpen() const { return handle_ != FIND_HANDLE_NONE; }
  FindHandle Get() const { return handle_; }
  void Close() {
    if (handle_ != FIND_HANDLE_NONE) api_.FindClose(handle_);
    handle_ = FIND_HANDLE_NONE;
  }

 private:
  FileApi& api_;
  FindHandle handle_;
};

class ScopedSnapshot {
 public:
  explicit ScopedSnapshot(ProcessApi& api) : api_(api), snapshot_(api.OpenSnapshot()) {}
  ~ScopedSnapshot() {
    if (snapshot_ != nullptr) api_.CloseSnapshot(snapshot_);
  }
  ScopedSnapshot(const ScopedSnapshot&) = delete;
  ScopedSnapshot& operator=(const ScopedSnapshot&) = delete;

  SnapshotHandle Get() const { return snapshot_; }

 private:
  ProcessApi& api_;
  SnapshotHandle snapshot_;
};
