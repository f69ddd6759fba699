#include <cstring>
#include <initializer_list>

#include "core/install_info_engine.h"
#include "core/mbcs_text.h"
#include "core/scoped_handles.h"

namespace {

const char RIGHTS_MESSAGE[] = "本ツールは管理者権限のあるユーザでログインしてから使用してください。";
const char OPEN_FAILED_FORMAT[] = "レジストリのオープンに失敗[%ld]";
const char RUNNING_FORMAT[] = "%sが起動中です。\r\n先に%sを終了させてください。";
const char SELF_RUNNING_MESSAGE[] = "本ツールは既に起動中です";

}  // namespace

// Probes one product's root key and, with full access, reads its version into the
// caption. 0 goes on; -1 has shown why the checks end.
int InstallInfoEngine::CheckProductRights(const ProductInfo& product, char* version, char* message) {
  RegStatus openStatus = 0;
  switch (ProbeKeyAccess(product.rootKey, &openStatus)) {
    case 0: {
      std::uint32_t size = VERSION_TEXT_SIZE;
      RegStatus read = ReadRegistryValue(product.key, product.versionValue, version, &size);
      std::memset(message, 0, MESSAGE_BUFFER_SIZE);
      // A failed read may leave part of the data behind, and data that fill all six
      // bytes leave no terminator: either way the version is not known.
      if (read != REG_STATUS_SUCCESS || version[VERSION_TEXT_SIZE - 1] != '\0') {
        std::memset(version, 0, VERSION_TEXT_SIZE);
        return 0;
      }
      FormatText(message, MESSAGE_BUFFER_SIZE, "%s[%s]", product.displayName, version);
      apis_.user.SetItemCaption(product.checkBoxId, message);
      return 0;
    }
    case 2:
      return 0;
    case -2:
      ShowStopMessage(RIGHTS_MESSAGE);
      return -1;
    default:
      FormatText(message, MESSAGE_BUFFER_SIZE, OPEN_FAILED_FORMAT, static_cast<long>(openStatus));
      ShowStopMessage(message);
      return -1;
  }
}

int InstallInfoEngine::RunStartupChecks() {
  char message[MESSAGE_BUFFER_SIZE] = {};
  std::memset(m_szVersionRuventa, 0, sizeof m_szVersionRuventa);
  std::memset(m_szVersionKesra, 0, sizeof m_szVersionKesra);

  if (CheckProductRights(GetProductInfo(PRODUCT_RUVENTA), m_szVersionRuventa, message) != 0) return -1;
  if (CheckProductRights(GetProductInfo(PRODUCT_KESRA), m_szVersionKesra, message) != 0) return -1;

  for (ProductKind kind : {PRODUCT_RUVENTA, PRODUCT_KESRA}) {
    const ProductInfo& product = GetProductInfo(kind);
    if (IsProgramRunning(product.runningProgram) == 1) {
      FormatText(message, sizeof message, RUNNING_FORMAT, product.displayName, product.displayName);
      ShowStopMessage(message);
      return 1;
    }
  }
  if (IsProgramRunning(nullptr) == 1) {
    ShowStopMessage(SELF_RUNNING_MESSAGE);
    return 1;
  }
  return 0;
}

int InstallInfoEngine::IsProgramRunning(const char* programName) {
  char target[PROCESS_NAME_SIZE] = {};
  bool lookingForSelf = programName == nullptr;
  if (lookingForSelf) {
    char modulePath[PROCESS_NAME_SIZE] = {};
    apis_.processes.GetOwnModulePath(modulePath, sizeof modulePath);
    // The file name is taken at a character boundary: a byte 0x5C inside a
    // double-byte character is no folder separator.
    CopyText(target, sizeof target, FileNamePart(modulePath));
  } else {
    CopyText(target, sizeof target, programName);
  }

  ScopedSnapshot snapshot(apis_.processes);
  if (snapshot.Get() == nullptr) return 0;

  int matches = 0;
  ProcessEntry entry = {};
  for (bool more = apis_.processes.FirstProcess(snapshot.Get(), &entry); more;
       more = apis_.processes.NextProcess(snapshot.Get(), &entry)) {
    entry.szExeFile[PROCESS_NAME_SIZE - 1] = '\0';
    if (CompareAsciiNoCase(target, entry.szExeFile) == 0) {
      ++matches;
      // The running instance that checks is one of the tool's own processes.
      if (!lookingForSelf || matches >= 2) return 1;
    }
    std::memset(&entry, 0, sizeof entry);
  }
  return 0;
}

void InstallInfoEngine::ShowStopMessage(const char* text) {
  apis_.user.ShowMessageBox(text, TOOL_TITLE, MESSAGE_TYPE_STOP);
}

const char* InstallInfoEngine::VersionText(ProductKind kind) const {
  if (kind == PRODUCT_RUVENTA) return m_szVersionRuventa;
  if (kind == PRODUCT_KESRA) return m_szVersionKesra;
  return "";
}
