// A static control of a dialog, attached once the dialog's window exists.
#pragma once
#include <windows.h>

class StaticControl {
 public:
  void Attach(HWND control) { hwnd_ = control; }
  HWND GetSafeHwnd() const { return hwnd_; }
  void SetWindowText(const char* text) const { ::SetWindowTextA(hwnd_, text); }

 private:
  HWND hwnd_ = nullptr;
};
