#include "core/install_info_engine.h"
#include "core/scoped_handles.h"

// The versions and the mask get their meaningful values from the start-up checks and
// the removal run; zero until then rather than whatever the memory held.
InstallInfoEngine::InstallInfoEngine(const PlatformApis& apis)
    : m_szVersionRuventa(), m_szVersionKesra(), m_dwRemovedMask(0), apis_(apis) {}

RegStatus InstallInfoEngine::OpenLocalMachineKey(std::uint32_t access, const char* subKey, RegKeyHandle* key) {
  return apis_.registry.OpenLocalMachine(subKey, access, key);
}

int InstallInfoEngine::ProbeKeyAccess(const char* subKey, RegStatus* openStatus) {
  ScopedRegKey key(apis_.registry);
  RegStatus status = OpenLocalMachineKey(REG_ACCESS_ALL, subKey, key.Receive());
  if (openStatus != nullptr) *openStatus = status;
  if (status == REG_STATUS_SUCCESS) return 0;
  if (status == REG_STATUS_FILE_NOT_FOUND) return 2;

  status = OpenLocalMachineKey(REG_ACCESS_READ, subKey, key.Receive());
  if (openStatus != nullptr) *openStatus = status;
  if (status == REG_STATUS_SUCCESS) return -2;
  if (status == REG_STATUS_FILE_NOT_FOUND) return 2;
  return -1;
}

RegStatus InstallInfoEngine::ReadRegistryValue(const char* subKey, const char* valueName, char* data,
                                               std::uint32_t* size) {
  ScopedRegKey key(apis_.registry);
  std::uint32_t type = 0;
  RegStatus status = OpenLocalMachineKey(REG_ACCESS_ALL, subKey, key.Receive());
  if (status != REG_STATUS_SUCCESS) return status;
  // The type is never looked at: data of any type are copied as they are.
  return apis_.registry.QueryValue(key.Get(), valueName, &type, reinterpret_cast<unsigned char*>(data), size);
}

RegStatus InstallInfoEngine::DeleteRegistryEntry(int mode, const char* subKey, const char* name) {
  ScopedRegKey key(apis_.registry);
  RegStatus status = OpenLocalMachineKey(REG_ACCESS_ALL, subKey, key.Receive());
  if (status != REG_STATUS_SUCCESS) return status;
  if (mode == REGISTRY_ENTRY_SUBKEY) return apis_.registry.DeleteSubKey(key.Get(), name);
  if (mode == REGISTRY_ENTRY_VALUE) return apis_.registry.DeleteValue(key.Get(), name);
  return REG_STATUS_FILE_NOT_FOUND;  // no such mode: nothing to delete
}
