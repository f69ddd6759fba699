// The five registry calls the tool makes, on HKEY_LOCAL_MACHINE only.
// Results are Win32 status codes, unchanged.
#pragma once
#include <cstdint>

struct RegistryKeyTag;
using RegKeyHandle = RegistryKeyTag*;
using RegStatus = std::int32_t;

enum : RegStatus {
  REG_STATUS_SUCCESS = 0,
  REG_STATUS_FILE_NOT_FOUND = 2,
  REG_STATUS_ACCESS_DENIED = 5,
  REG_STATUS_MORE_DATA = 234,
};

enum : std::uint32_t {
  REG_ACCESS_ALL = 0xF003F,   // KEY_ALL_ACCESS
  REG_ACCESS_READ = 0x20019,  // KEY_READ
};

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;
  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, access, key)
  virtual RegStatus OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) = 0;
  // RegQueryValueExA(key, name, nullptr, type, data, size)
  virtual RegStatus QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                               std::uint32_t* size) = 0;
  // RegDeleteKeyA(key, name)
  virtual RegStatus DeleteSubKey(RegKeyHandle key, const char* name) = 0;
  // RegDeleteValueA(key, name)
  virtual RegStatus DeleteValue(RegKeyHandle key, const char* name) = 0;
  // RegCloseKey(key)
  virtual RegStatus CloseKey(RegKeyHandle key) = 0;
};
