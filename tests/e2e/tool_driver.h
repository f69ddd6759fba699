// Drives a real process of the tool from outside: starts it with an environment of
// our choosing, finds its windows, reads their texts in code page 932 and answers
// them with posted input, as a user's keys and clicks would arrive.
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// A scenario failure, carrying what the driver saw.
struct DriveError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// For messages only: the console and the test log are UTF-8, the texts are not.
std::string ToUtf8(const std::string& cp932);

std::string DriverFolder();
// The programs the build puts next to the driver.
std::string BuiltTool();
std::string BuiltIdleProcess();
std::string FolderOf(const std::string& path);  // splits at a character boundary

// The text of any window, also one of another process (WM_GETTEXT is marshalled).
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

enum class WindowKind { Main, Final, MessageBox, Other };
const char* KindName(WindowKind kind);

struct SeenWindow {
  HWND hwnd = nullptr;
  DWORD processId = 0;
  WindowKind kind = WindowKind::Other;
  std::string caption;
  std::string text;  // a message box's text; for other windows every child's text
};
std::string Describe(const SeenWindow& window);

// Visible top-level windows of every process but the driver.
std::vector<SeenWindow> VisibleWindows();

// A process of ours; it is ended with this object if it still runs.
class Process {
 public:
  // environment: "NAME=value" entries put over the driver's own.
  Process(const std::string& exePath, const std::vector<std::string>& environment);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool Running() const;
  double StartedAtMs() const { return startedAtMs_; }

 private:
  PROCESS_INFORMATION info_ = {};
  double startedAtMs_ = 0;
};

double NowMs();

using Allowed = std::vector<std::pair<const Process*, WindowKind>>;

// Watches every window while a scenario waits: a window nobody expects (a stray
// message box, a crash dialog) fails it at once, with that window's caption and text.
class WindowWatch {
 public:
  // Windows already there belong to nobody's scenario.
  explicit WindowWatch(DWORD pollMs = 15);

  // Waits for a window of that kind of the process; a message box only once its
  // text is filled in. Windows listed in allowed may stay meanwhile.
  SeenWindow Await(const Process& process, WindowKind kind, const Allowed& allowed = {}, DWORD timeoutMs = 15000);
  // Waits for the process to end; only allowed windows may be seen meanwhile.
  void AwaitEnd(const Process& process, const Allowed& allowed = {}, DWORD timeoutMs = 15000);
  // For a while nothing but the allowed windows shows, and the process keeps running.
  void ExpectOnly(const Process& process, const Allowed& allowed, DWORD durationMs = 400);

 private:
  void CheckForStrays(const std::vector<SeenWindow>& windows, const Process& process, const Allowed& allowed,
                      WindowKind wanted, bool hasWanted);
  std::vector<HWND> baseline_;
  std::vector<HWND> answered_;  // seen by the scenario; they may take a moment to go
  DWORD pollMs_;
};

// Input, posted so that the tool's own message loops handle it.
void Click(HWND dialog, int buttonId);
HWND FocusOf(HWND window);
void PressKey(HWND window, UINT virtualKey);  // to the control that has the focus
void PressCloseBox(HWND window);
void ChooseSystemMenuClose(HWND window);

}  // namespace e2e
