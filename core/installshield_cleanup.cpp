#include <cstring>

#include "core/install_info_engine.h"
#include "core/mbcs_text.h"
#include "core/scoped_handles.h"

namespace {

const char PROGRAM_FILES_MISSING_FORMAT[] =
    "ProgramFilesの場所が取得できません。\r\n処理を終了します。\r\n\r\n　[getenv：%d]\r\n　[ProgramFiles]";

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

int NextEntry(FileApi& files, const ScopedFind& search, FindEntry* entry) {
  std::memset(entry, 0, sizeof *entry);
  return files.FindNext(search.Get(), entry);
}

}  // namespace

int InstallInfoEngine::RemoveInstallShieldInfo(const char* productCode, char* message) {
  FileApi& files = apis_.files;
  const char* programFiles = files.GetEnv("ProgramFiles");
  if (programFiles == nullptr) {
    FormatText(message, MESSAGE_BUFFER_SIZE, PROGRAM_FILES_MISSING_FORMAT, files.LastErrorNumber());
    return -1;
  }

  char folder[PATH_BUFFER_SIZE];
  char pattern[PATH_BUFFER_SIZE];
  // A path that does not fit is refused whole: a cut one could name something else.
  if (!FormatPath(folder, sizeof folder, "%s\\InstallShield Installation Information\\%s", programFiles,
                  productCode) ||
      !FormatPath(pattern, sizeof pattern, "%s\\*", folder)) {
    char shown[PATH_BUFFER_SIZE * 2];
    FormatText(shown, sizeof shown, "%s\\InstallShield Installation Information\\%s", programFiles, productCode);
    FormatCouldNotDelete(message, WHAT_INSTALL_INFO_FOLDER, shown);
    return -1;
  }

  bool deleted = false;
  FindEntry entry = {};
  ScopedFind search(files, files.FindFirst(pattern, &entry));
  if (search.IsOpen()) {
    for (int found = 0; found == 0; found = NextEntry(files, search, &entry)) {
      entry.name[sizeof entry.name - 1] = '\0';
      if (IsDotEntry(entry.name) || (entry.attrib & FIND_ATTRIB_SUBDIR) != 0) continue;
      char file[PATH_BUFFER_SIZE];
      if (!FormatPath(file, sizeof file, "%s\\%s", folder, entry.name)) {
        char shown[PATH_BUFFER_SIZE * 2];
        FormatText(shown, sizeof shown, "%s\\%s", folder, entry.name);
        FormatCouldNotDelete(message, WHAT_INSTALL_INFO_FILE, shown);
        return -1;
      }
      if (files.Exists(file) != 0) continue;  // vanished since the search saw it
      if (files.RemoveFile(file) != 0) {
        FormatCouldNotDelete(message, WHAT_INSTALL_INFO_FILE, file);
        return -1;
      }
      deleted = true;
    }
    search.Close();
  }

  files.Pause(1000);
  if (files.Exists(folder) != 0) return deleted ? 0 : 1;
  if (files.RemoveFolder(folder) != 0) {
    FormatCouldNotDelete(message, WHAT_INSTALL_INFO_FOLDER, folder);
    return -1;
  }
  return 0;
}
