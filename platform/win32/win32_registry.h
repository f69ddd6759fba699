// The registry calls on the real Win32 registry ("A" functions, no view flag, so a
// 32-bit process sees the 32-bit view).
#pragma once
#include "platform/registry_api.h"

class Win32Registry : public RegistryApi {
 public:
  RegStatus OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) override;
  RegStatus QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                       std::uint32_t* size) override;
  RegStatus DeleteSubKey(RegKeyHandle key, const char* name) override;
  RegStatus DeleteValue(RegKeyHandle key, const char* name) override;
  RegStatus CloseKey(RegKeyHandle key) override;
};
