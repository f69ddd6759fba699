// Test entry point under Wine. "--idle" makes this binary a second copy of itself
// that only waits, for the check that the tool is already running.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
    Sleep(120000);
    return 0;
  }
  // A crash must fail the run, not wait on a dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
