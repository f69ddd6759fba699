#include <cstring>

#include "core/install_info_engine.h"
#include "core/mbcs_text.h"

int InstallInfoEngine::RemoveRuventa() { return RemoveProduct(PRODUCT_RUVENTA); }
int InstallInfoEngine::RemoveKesra() { return RemoveProduct(PRODUCT_KESRA); }
int InstallInfoEngine::RemoveSelda() { return RemoveProduct(PRODUCT_SELDA); }

int InstallInfoEngine::RemoveProduct(ProductKind kind) {
  const ProductInfo& product = GetProductInfo(kind);
  char folder[PATH_BUFFER_SIZE] = {};
  char message[MESSAGE_BUFFER_SIZE] = {};
  std::uint32_t size = PATH_BUFFER_SIZE;

  if (product.registryEntryMode != REGISTRY_ENTRY_NONE) {
    RegStatus status = DeleteRegistryEntry(product.registryEntryMode, product.registryEntryKey,
                                           product.registryEntryName);
    if (status == REG_STATUS_SUCCESS) {
      m_dwRemovedMask |= kind;
    } else if (status != REG_STATUS_FILE_NOT_FOUND) {
      if (product.registryStepMessage != nullptr) {
        ShowStopMessage(product.registryStepMessage);
      } else {
        // No path is at hand for a registry entry: the brackets stay empty.
        FormatCouldNotDelete(message, WHAT_REGISTRY, "");
        ShowStopMessage(message);
      }
      return -1;
    }
  }

  RegStatus read = ReadRegistryValue(product.key, product.folderValue, folder, &size);
  if (read != REG_STATUS_SUCCESS && read != REG_STATUS_FILE_NOT_FOUND) {
    ShowStopMessage(product.folderReadMessage);
    return -1;
  }
  // Data that fill the whole buffer leave no terminator: the folder is too long.
  if (read == REG_STATUS_SUCCESS && folder[sizeof folder - 1] != '\0') {
    ShowStopMessage(product.folderReadMessage);
    return -1;
  }
  // An empty folder would name files in the root of the current drive.
  if (read == REG_STATUS_SUCCESS && folder[0] != '\0') {
    if (RemoveProgramFiles(product, folder, message) != 0) {
      ShowStopMessage(message);
      return -1;
    }
  }

  switch (RemoveInstallShieldInfo(product.installShieldCode, message)) {
    case 0:
      m_dwRemovedMask |= kind;
      return 0;
    case 1:
      return 0;
    default:
      ShowStopMessage(message);
      return -1;
  }
}

// 0 when every program file present was deleted; -1 with the message formatted.
int InstallInfoEngine::RemoveProgramFiles(const ProductInfo& product, const char* folder, char* message) {
  char paths[sizeof product.files / sizeof product.files[0]][PATH_BUFFER_SIZE];
  // Every path is formed before anything is deleted, so that a path too long for its
  // buffer stops the step with nothing touched. A path is never cut.
  for (std::size_t i = 0; i < product.fileCount; ++i) {
    const char* name = product.files[i];
    if (!FormatPath(paths[i], sizeof paths[i], "%s%s%s", folder, product.fileFolderInfix, name)) {
      char shown[PATH_BUFFER_SIZE * 2];
      FormatText(shown, sizeof shown, "%s%s%s", folder, product.fileFolderInfix, name);
      FormatCouldNotDelete(message, product.displayName, shown);
      return -1;
    }
  }
  for (std::size_t i = 0; i < product.fileCount; ++i) {
    if (apis_.files.Exists(paths[i]) != 0) continue;
    if (apis_.files.RemoveFile(paths[i]) != 0) {
      FormatCouldNotDelete(message, product.displayName, paths[i]);
      return -1;
    }
    m_dwRemovedMask |= product.kind;
  }
  return 0;
}
