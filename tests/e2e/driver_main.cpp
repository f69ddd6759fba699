// The end-to-end driver. Without arguments it runs the scenarios; "--seed" installs
// the three products into the current prefix for a person to try the tool,
// "--tour <folder>" saves screenshots of a full run, "--bench <tool> <empty dialog>"
// measures both programs.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <exception>

#include "tests/e2e/tour.h"

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
  return RUN_ALL_TESTS();
}
