// A program that only waits: started under the names of the products' programs, or
// to hold a file open without delete sharing ("--hold <path> <event>").
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  HANDLE file = INVALID_HANDLE_VALUE;
  if (argc == 4 && std::strcmp(argv[1], "--hold") == 0) {
    file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (ready == nullptr) return 3;
    SetEvent(ready);
    CloseHandle(ready);
  }
  // Never outlive a test run that forgot us.
  Sleep(120000);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return 0;
}
