// The engine's file calls on the Windows run-time library.
#pragma once
#include "platform/file_api.h"

class Win32Files : public FileApi {
 public:
  const char* GetEnv(const char* name) override;
  int LastErrorNumber() override;
  FindHandle FindFirst(const char* pattern, FindEntry* entry) override;
  int FindNext(FindHandle handle, FindEntry* entry) override;
  int FindClose(FindHandle handle) override;
  int Exists(const char* path) override;
  int RemoveFile(const char* path) override;
  int RemoveFolder(const char* path) override;
  void Pause(std::uint32_t milliseconds) override;
};
