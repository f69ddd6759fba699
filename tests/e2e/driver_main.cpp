// The end-to-end driver. Without arguments it runs the scenarios; "--seed" installs
// the three products into the current prefix for a person to try the tool,
// "--tour <folder>" saves screenshots of a full run, "--bench <tool> <empty dialog>"
// measures both programs.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <exception>

#include "tests/e2e/tour.h"

namespace {

// Without a window manager (a bare Xvfb) Wine waits two seconds at every process exit
// for the manager to withdraw the windows. The programs the scenarios start are told
// that nothing manages their windows, for this run only.
const char* const UNMANAGED_PROGRAMS[] = {"SolneaInsDel.exe", "empty_dialog.exe"};

std::string AppDefaultsKey(const char* program) {
  return std::string("Software\\Wine\\AppDefaults\\") + program;
}

void SetUnmanagedWindows(bool on) {
  for (const char* program : UNMANAGED_PROGRAMS) {
    std::string key = AppDefaultsKey(program);
    if (!on) {
      RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
      continue;
    }
    HKEY driver = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (key + "\\X11 Driver").c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &driver, nullptr) != ERROR_SUCCESS)
      continue;
    RegSetValueExA(driver, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(driver);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // A crash of ours or of the tool must fail the run, not wait on a dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  try {
    if (argc == 2 && std::strcmp(argv[1], "--seed") == 0) return e2e::SeedForPerson();
    if (argc == 3 && std::strcmp(argv[1], "--tour") == 0) return e2e::Tour(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--bench") == 0) return e2e::Bench(argv[2], argv[3]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "e2e_driver: %s\n", error.what());
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  SetUnmanagedWindows(true);
  int failed = RUN_ALL_TESTS();
  SetUnmanagedWindows(false);
  return failed;
}
