#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace {
HKEY ToHkey(RegKeyHandle key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

RegStatus Win32Registry::OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) {
  HKEY opened = nullptr;
  LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, access, &opened);
  *key = reinterpret_cast<RegKeyHandle>(opened);
  return status;
}

RegStatus Win32Registry::QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                                    std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = *size;
  LONG status = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType, data, &valueSize);
  if (type != nullptr) *type = valueType;
  *size = valueSize;
  return status;
}

RegStatus Win32Registry::DeleteSubKey(RegKeyHandle key, const char* name) { return RegDeleteKeyA(ToHkey(key), name); }

RegStatus Win32Registry::DeleteValue(RegKeyHandle key, const char* name) { return RegDeleteValueA(ToHkey(key), name); }

RegStatus Win32Registry::CloseKey(RegKeyHandle key) { return RegCloseKey(ToHkey(key)); }
