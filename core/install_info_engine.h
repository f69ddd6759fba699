// The tool's procedures and the state they share, free of window code. The main
// dialog derives from this class; tests construct it with stand-ins.
#pragma once
#include <cstdint>

#include "core/product_catalogue.h"
#include "platform/file_api.h"
#include "platform/process_api.h"
#include "platform/registry_api.h"
#include "platform/user_api.h"

struct PlatformApis {
  RegistryApi& registry;
  FileApi& files;
  ProcessApi& processes;
  UserApi& user;
};

class InstallInfoEngine {
 public:
  explicit InstallInfoEngine(const PlatformApis& apis);
  InstallInfoEngine(const InstallInfoEngine&) = delete;
  InstallInfoEngine& operator=(const InstallInfoEngine&) = delete;
  virtual ~InstallInfoEngine() = default;

  // Registry access on HKEY_LOCAL_MACHINE. All but the probe return Win32 status codes.
  RegStatus OpenLocalMachineKey(std::uint32_t access, const char* subKey, RegKeyHandle* key);
  // 0 full access, 2 absent, -2 read only, -1 neither; openStatus gets the status of the
  // last open tried.
  int ProbeKeyAccess(const char* subKey, RegStatus* openStatus = nullptr);
  RegStatus ReadRegistryValue(const char* subKey, const char* valueName, char* data, std::uint32_t* size);
  RegStatus DeleteRegistryEntry(int mode, const char* subKey, const char* name);

  // 0 passed, 1 a program or a second copy runs, -1 no rights or a root key that
  // cannot be opened. A message has been shown for every non-zero result.
  int RunStartupChecks();
  // programName null: is a second copy of the tool running?
  int IsProgramRunning(const char* programName);

  // 0 removed something, 1 nothing there, -1 failed with the reason in message
  // (MESSAGE_BUFFER_SIZE bytes).
  int RemoveInstallShieldInfo(const char* productCode, char* message);

  // 0 ran to the end, -1 a step failed and was shown.
  int RemoveRuventa();
  int RemoveKesra();
  int RemoveSelda();
  int RemoveProduct(ProductKind kind);

  const char* VersionText(ProductKind kind) const;

  char m_szVersionRuventa[VERSION_TEXT_SIZE];
  char m_szVersionKesra[VERSION_TEXT_SIZE];
  std::uint32_t m_dwRemovedMask;

 protected:
  void ShowStopMessage(const char* text);

 private:
  int CheckProductRights(const ProductInfo& product, char* version, char* message);
  int RemoveProgramFiles(const ProductInfo& product, const char* folder, char* message);

  PlatformApis apis_;
};
