#include "tests/e2e/tool_driver.h"

#include <algorithm>
#include <cstring>

#include "core/mbcs_text.h"

namespace e2e {
namespace {

constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;

std::wstring Widen(const std::string& text, UINT codePage) {
  int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

WindowKind KindOf(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0) return WindowKind::Other;
  if (GetDlgItem(window, 1003) != nullptr) return WindowKind::Main;
  if (GetDlgItem(window, 1010) != nullptr) return WindowKind::Final;
  if (GetDlgItem(window, MESSAGE_BOX_TEXT_ID) != nullptr) return WindowKind::MessageBox;
  return WindowKind::Other;
}

BOOL CALLBACK CollectChildText(HWND child, LPARAM param) {
  std::string text = WindowText(child);
  if (!text.empty()) {
    std::string& all = *reinterpret_cast<std::string*>(param);
    all += (all.empty() ? "" : " | ") + text;
  }
  return TRUE;
}

// Only what needs no message to the window: a closing tool answers none.
BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  SeenWindow seen;
  seen.hwnd = window;
  seen.processId = processId;
  seen.kind = KindOf(window);
  reinterpret_cast<std::vector<SeenWindow>*>(param)->push_back(seen);
  return TRUE;
}

void ReadTexts(SeenWindow& seen) {
  seen.caption = WindowText(seen.hwnd);
  seen.text.clear();
  // Nothing may throw through the window system's callback.
  HWND text = GetDlgItem(seen.hwnd, MESSAGE_BOX_TEXT_ID);
  if (seen.kind == WindowKind::MessageBox) seen.text = text != nullptr ? WindowText(text) : "";
  else EnumChildWindows(seen.hwnd, CollectChildText, reinterpret_cast<LPARAM>(&seen.text));
}

std::string DescribeAll(std::vector<SeenWindow> windows) {
  std::string all;
  for (SeenWindow& window : windows) {
    ReadTexts(window);
    all += "\n  " + Describe(window);
  }
  return windows.empty() ? " none" : all;
}

bool IsAllowed(const SeenWindow& window, const Allowed& allowed) {
  for (const auto& entry : allowed)
    if (entry.first->Id() == window.processId && entry.second == window.kind) return true;
  return false;
}

LPARAM KeyParam(UINT virtualKey, bool up) {
  LPARAM param = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16);
  if (up) param |= static_cast<LPARAM>(3u << 30);
  return param;
}

}  // namespace

std::string ToUtf8(const std::string& cp932) {
  std::wstring wide = Widen(cp932, 932);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], length, nullptr, nullptr);
  std::string shown;
  for (char c : utf8) shown += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  return shown;
}

std::string FolderOf(const std::string& path) {
  std::size_t nameAt = static_cast<std::size_t>(FileNamePart(path.c_str()) - path.c_str());
  return nameAt == 0 ? std::string() : path.substr(0, nameAt - 1);
}

std::string DriverFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return FolderOf(path);
}

std::string BuiltTool() { return DriverFolder() + "\\..\\..\\SolneaInsDel.exe"; }
std::string BuiltIdleProcess() { return DriverFolder() + "\\..\\idle_process.exe"; }

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 500, &length)) return "<no answer>";
  // The length may be counted in UTF-16 units; leave room for every character to be double-byte.
  std::vector<char> text(length * 2 + 2, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      500, &got);
  return std::string(text.data());
}

std::string ItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) throw DriveError("no control " + std::to_string(id) + " in " + ToUtf8(WindowText(dialog)));
  return WindowText(item);
}

const char* KindName(WindowKind kind) {
  switch (kind) {
    case WindowKind::Main: return "main dialog";
    case WindowKind::Final: return "final result dialog";
    case WindowKind::MessageBox: return "message box";
    case WindowKind::Other: return "window";
  }
  return "?";
}

std::string Describe(const SeenWindow& window) {
  char className[64] = {};
  GetClassNameA(window.hwnd, className, sizeof className);
  return std::string(KindName(window.kind)) + " of process " + std::to_string(window.processId) + " (class " +
         className + "), caption \"" + ToUtf8(window.caption) + "\", text \"" + ToUtf8(window.text) + "\"";
}

std::vector<SeenWindow> VisibleWindows() {
  std::vector<SeenWindow> windows;
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

Process::Process(const std::string& exePath, const std::vector<std::string>& environment) {
  // The driver's environment with the given entries put over it.
  std::vector<std::string> entries;
  char* block = GetEnvironmentStringsA();
  for (const char* at = block; *at != '\0'; at += std::strlen(at) + 1) entries.push_back(at);
  FreeEnvironmentStringsA(block);
  for (const std::string& entry : environment) {
    std::string name = entry.substr(0, entry.find('=') + 1);
    auto same = [&](const std::string& e) { return CompareAsciiNoCase(e.substr(0, name.size()).c_str(), name.c_str()) == 0; };
    entries.erase(std::remove_if(entries.begin(), entries.end(), same), entries.end());
    entries.push_back(entry);
  }
  std::string environmentBlock;
  for (const std::string& entry : entries) environmentBlock += entry + '\0';
  environmentBlock += '\0';

  std::string commandLine = "\"" + exePath + "\"";
  std::string folder = FolderOf(exePath);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startedAtMs_ = NowMs();
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environmentBlock[0],
                      folder.c_str(), &startup, &info_))
    throw DriveError("cannot start " + ToUtf8(exePath) + ": error " + std::to_string(GetLastError()));
}

Process::~Process() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Process::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

WindowWatch::WindowWatch(DWORD pollMs) : pollMs_(pollMs) {
  for (const SeenWindow& window : VisibleWindows()) baseline_.push_back(window.hwnd);
}

void WindowWatch::CheckForStrays(const std::vector<SeenWindow>& windows, const Process& process,
                                 const Allowed& allowed, WindowKind wanted, bool hasWanted) {
  for (const SeenWindow& window : windows) {
    if (std::find(baseline_.begin(), baseline_.end(), window.hwnd) != baseline_.end()) continue;
    if (std::find(answered_.begin(), answered_.end(), window.hwnd) != answered_.end()) continue;
    if (!IsWindow(window.hwnd) || !IsWindowVisible(window.hwnd)) continue;  // went while we looked
    if (hasWanted && window.processId == process.Id() && window.kind == wanted) continue;
    if (IsAllowed(window, allowed)) continue;
    SeenWindow stray = window;
    ReadTexts(stray);
    throw DriveError("unexpected " + Describe(stray) + "; all windows:" + DescribeAll(windows));
  }
}

SeenWindow WindowWatch::Await(const Process& process, WindowKind kind, const Allowed& allowed, DWORD timeoutMs) {
  double deadline = NowMs() + timeoutMs;
  std::vector<SeenWindow> windows;
  for (;;) {
    windows = VisibleWindows();
    CheckForStrays(windows, process, allowed, kind, true);
    for (SeenWindow& window : windows) {
      if (window.processId != process.Id() || window.kind != kind) continue;
      ReadTexts(window);
      // Wine may show a message box before its text is set.
      if (kind == WindowKind::MessageBox && window.text.empty()) continue;
      answered_.push_back(window.hwnd);
      return window;
    }
    if (!process.Running())
      throw DriveError(std::string("the tool ended while the driver waited for its ") + KindName(kind));
    if (NowMs() > deadline) break;
    Sleep(pollMs_);
  }
  throw DriveError(std::string("no ") + KindName(kind) + " within " + std::to_string(timeoutMs) +
                   " ms; windows:" + DescribeAll(windows));
}

void WindowWatch::AwaitEnd(const Process& process, const Allowed& allowed, DWORD timeoutMs) {
  double deadline = NowMs() + timeoutMs;
  while (process.Running()) {
    std::vector<SeenWindow> windows = VisibleWindows();
    CheckForStrays(windows, process, allowed, WindowKind::Other, false);
    if (NowMs() > deadline)
      throw DriveError("the tool did not end within " + std::to_string(timeoutMs) + " ms; windows:" +
                       DescribeAll(windows));
    Sleep(pollMs_);
  }
  // A last look: a window shown just before the end is still a stray.
  CheckForStrays(VisibleWindows(), process, allowed, WindowKind::Other, false);
}

void WindowWatch::ExpectOnly(const Process& process, const Allowed& allowed, DWORD durationMs) {
  double deadline = NowMs() + durationMs;
  do {
    CheckForStrays(VisibleWindows(), process, allowed, WindowKind::Other, false);
    if (!process.Running()) throw DriveError("the tool ended, though it should have stayed");
    Sleep(pollMs_);
  } while (NowMs() < deadline);
}

void Click(HWND dialog, int buttonId) {
  HWND button = GetDlgItem(dialog, buttonId);
  if (button == nullptr) throw DriveError("no button " + std::to_string(buttonId) + " to click");
  // Posted: a click may open a modal box, and a sent one would wait for it to close.
  PostMessageA(button, BM_CLICK, 0, 0);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

void PressKey(HWND window, UINT virtualKey) {
  HWND focus = FocusOf(window);
  HWND target = focus != nullptr ? focus : window;
  PostMessageA(target, WM_KEYDOWN, virtualKey, KeyParam(virtualKey, false));
  PostMessageA(target, WM_KEYUP, virtualKey, KeyParam(virtualKey, true));
}

void PressCloseBox(HWND window) {
  // What the frame sends when its close box is clicked: the point of the click.
  RECT frame;
  GetWindowRect(window, &frame);
  int x = frame.right - GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXSIZE) / 2;
  int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(x, y));
}

namespace {

struct MenuSearch {
  DWORD processId;
  HWND menu;
};

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MenuSearch*>(param);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (processId == search->processId && IsWindowVisible(window) && std::strcmp(className, "#32768") == 0) {
    search->menu = window;
    return FALSE;
  }
  return TRUE;
}

HWND OpenPopupMenu(DWORD processId) {
  MenuSearch search = {processId, nullptr};
  EnumWindows(FindPopupMenu, reinterpret_cast<LPARAM>(&search));
  return search.menu;
}

}  // namespace

void ChooseSystemMenuClose(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  // What Alt+Space makes of itself: the system menu, tracked by the tool's thread.
  PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  double deadline = NowMs() + 3000;
  while (OpenPopupMenu(processId) == nullptr) {
    if (NowMs() > deadline) throw DriveError("the system menu did not open");
    Sleep(10);
  }
  // C, the mnemonic of Close (閉じる(&C)); the menu loop reads the thread's queue.
  HWND target = FocusOf(window);
  if (target == nullptr) target = window;
  PostMessageA(target, WM_KEYDOWN, 'C', KeyParam('C', false));
  PostMessageA(target, WM_KEYUP, 'C', KeyParam('C', true));
  deadline = NowMs() + 3000;
  while (OpenPopupMenu(processId) != nullptr) {
    if (NowMs() > deadline) throw DriveError("the system menu stayed open");
    Sleep(10);
  }
}

}  // namespace e2e
