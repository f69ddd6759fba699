// The tool, a 32-bit process, writes and reads the 32-bit registry view: on 64-bit
// Windows its keys live under Wow6432Node, where the 64-bit reg.exe finds them.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_registry_roots.h"
#include "tests/support/win32_seed.h"

namespace {

// Runs a command line and returns what it printed.
std::string Capture(std::string commandLine) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "pipe failed";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    output = "cannot start: " + commandLine;
  }
  CloseHandle(readEnd);
  return output;
}

TEST(RegistryView, KeysOfThe32BitToolAreSeenUnderWow6432NodeBy64BitReg) {
#ifndef _WIN64
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (!wow64) GTEST_SKIP() << "not a 64-bit system: there is only one view";
#endif
  for (const std::string& key : TEST_REGISTRY_ROOTS) win32_seed::WipeKey(key);
  win32_seed::SetValue("SOFTWARE\\ORVIQZ\\ViewProbe", "marker", REG_SZ, std::string("insdel-view", 12));

  std::string native64 = Capture("C:\\windows\\sysnative\\reg.exe query HKLM\\SOFTWARE\\Wow6432Node\\ORVIQZ\\ViewProbe");
  std::string direct64 = Capture("C:\\windows\\sysnative\\reg.exe query HKLM\\SOFTWARE\\ORVIQZ\\ViewProbe");
  win32_seed::WipeKey("SOFTWARE\\ORVIQZ");

  EXPECT_NE(native64.find("insdel-view"), std::string::npos) << native64;
  EXPECT_EQ(direct64.find("insdel-view"), std::string::npos) << "the 64-bit view has no such key: " << direct64;
}

}  // namespace
