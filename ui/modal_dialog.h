// A thin modal dialog over DialogBoxParamA: the object reaches its dialog procedure
// through lParam, and the messages the tool handles become virtual calls.
#pragma once
#include <windows.h>

#include <string>

class ModalDialog {
 public:
  explicit ModalDialog(int templateId) : templateId_(templateId) {}
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog and returns how it ended (IDOK, IDCANCEL), or -1 if it could not
  // be created.
  INT_PTR DoModal(HWND owner);

  HWND GetSafeHwnd() const { return hwnd_; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
  void SetItemText(int id, const char* text) const { ::SetWindowTextA(GetDlgItem(id), text); }
  std::string GetItemText(int id) const;
  void EndDialog(INT_PTR result) const { ::EndDialog(hwnd_, result); }

 protected:
  // Returns TRUE to let the dialog manager set the focus to the first tab stop.
  virtual BOOL OnInitDialog() { return TRUE; }
  // Returns true when the command was handled.
  virtual bool OnCommand(int id, int notifyCode);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Any other message; returns true with result set when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CenterOverOwner() const;

  int templateId_;
  HWND hwnd_ = nullptr;
};

// One entry of a dialog's command map: a notification of a control and its handler.
template <typename Dialog>
struct CommandEntry {
  int id;
  int notifyCode;
  void (Dialog::*handler)();
};

template <typename Dialog, std::size_t N>
bool DispatchCommand(Dialog& dialog, const CommandEntry<Dialog> (&map)[N], int id, int notifyCode) {
  for (const CommandEntry<Dialog>& entry : map) {
    if (entry.id == id && entry.notifyCode == notifyCode) {
      (dialog.*entry.handler)();
      return true;
    }
  }
  return false;
}
