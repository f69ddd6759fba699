#include "tests/e2e/tour.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/installation.h"
#include "tests/e2e/tool_driver.h"
#include "tests/support/win32_seed.h"

namespace e2e {
namespace {

// The screen under the window, as a 24-bit BMP file.
void SaveScreenshot(HWND window, const std::string& path) {
  RECT rect;
  GetWindowRect(window, &rect);
  rect.left = std::max(0L, rect.left);
  rect.top = std::max(0L, rect.top);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();

  DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) throw DriveError("cannot write " + path);
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(bits, imageSize, 1, out);
  std::fclose(out);

  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::printf("tour: %s\n", path.c_str());
}

// Paints settle before a capture; nothing to wait on from outside.
void Settle() { Sleep(800); }

SIZE_T PeakWorkingSet(const Process& process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.Id());
  if (handle == nullptr) return 0;
  BOOL ok = GetProcessMemoryInfo(handle, &counters, sizeof counters);
  CloseHandle(handle);
  return ok ? counters.PeakWorkingSetSize : 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string SandboxRoot(const char* purpose) { return std::string("C:\\insdel-") + purpose; }

}  // namespace

int SeedForPerson() {
  const char* programFiles = std::getenv("ProgramFiles");
  if (programFiles == nullptr) throw DriveError("no ProgramFiles in the environment");
  Installation installation("C:\\Solnea", programFiles);
  installation.Seed({});
  // ASCII only: the console shows the Unix side's encoding.
  std::printf("seeded all three products (versions 12340 and 071): programs below C:\\Solnea, "
              "InstallShield folders below %s\n",
              programFiles);
  return 0;
}

int Tour(const char* folder) {
  std::string root = SandboxRoot("tour");
  Installation installation(root + "\\data", root + "\\data\\Program Files");
  installation.Wipe();
  installation.Seed({});
  std::string out = folder;
  WindowWatch watch;
  {
    Process tool(BuiltTool(), SandboxEnvironment(installation));
    SeenWindow main = watch.Await(tool, WindowKind::Main);
    Settle();
    SaveScreenshot(main.hwnd, out + "\\main.bmp");
    Click(main.hwnd, 1003);
    SeenWindow confirm = watch.Await(tool, WindowKind::MessageBox, {{&tool, WindowKind::Main}});
    Settle();
    SaveScreenshot(confirm.hwnd, out + "\\confirm.bmp");
    Click(confirm.hwnd, IDOK);
    SeenWindow final = watch.Await(tool, WindowKind::Final, {{&tool, WindowKind::Main}});
    Settle();
    SaveScreenshot(final.hwnd, out + "\\final.bmp");
    Click(final.hwnd, IDOK);
    watch.AwaitEnd(tool);
  }
  installation.Wipe();
  win32_seed::WipeFolder(root);
  return 0;
}

int Bench(const char* toolExe, const char* emptyDialogExe) {
  const int rounds = 5;
  std::string root = SandboxRoot("bench");
  Installation installation(root + "\\data", root + "\\data\\Program Files");
  std::vector<std::string> environment = SandboxEnvironment(installation);
  WindowWatch watch(1);
  std::vector<double> toolShown, emptyShown, toolRun, emptyRun;
  SIZE_T toolPeak = 0, emptyPeak = 0;

  for (int round = 0; round < rounds; ++round) {
    installation.Wipe();
    installation.Seed({});
    {
      // Start-up alone, closed with Cancel.
      Process tool(toolExe, environment);
      SeenWindow main = watch.Await(tool, WindowKind::Main);
      toolShown.push_back(NowMs() - tool.StartedAtMs());
      Click(main.hwnd, 1004);
      watch.AwaitEnd(tool);
    }
    {
      // A full run of all three, less its three one-second pauses.
      Process tool(toolExe, environment);
      Click(watch.Await(tool, WindowKind::Main).hwnd, 1003);
      Click(watch.Await(tool, WindowKind::MessageBox, {{&tool, WindowKind::Main}}).hwnd, IDOK);
      SeenWindow final = watch.Await(tool, WindowKind::Final, {{&tool, WindowKind::Main}}, 30000);
      toolPeak = std::max(toolPeak, PeakWorkingSet(tool));
      Click(final.hwnd, IDOK);
      watch.AwaitEnd(tool);
      toolRun.push_back(NowMs() - tool.StartedAtMs() - 3000.0);
    }
    {
      // The empty dialog, started the same way: shown, then run from start to end.
      Process empty(emptyDialogExe, environment);
      SeenWindow dialog = watch.Await(empty, WindowKind::Other);
      emptyShown.push_back(NowMs() - empty.StartedAtMs());
      emptyPeak = std::max(emptyPeak, PeakWorkingSet(empty));
      Click(dialog.hwnd, IDOK);
      watch.AwaitEnd(empty);
      emptyRun.push_back(NowMs() - empty.StartedAtMs());
    }
  }
  installation.Wipe();
  win32_seed::WipeFolder(root);

  std::printf("rounds=%d\n", rounds);
  std::printf("shown_ms tool=%.0f empty=%.0f\n", Median(toolShown), Median(emptyShown));
  std::printf("run_ms tool=%.0f empty=%.0f\n", Median(toolRun), Median(emptyRun));
  std::printf("peak_ws_kib tool=%lu empty=%lu\n", static_cast<unsigned long>(toolPeak / 1024),
              static_cast<unsigned long>(emptyPeak / 1024));
  return 0;
}

}  // namespace e2e
