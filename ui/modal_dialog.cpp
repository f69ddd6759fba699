#include "ui/modal_dialog.h"

#include <vector>

INT_PTR ModalDialog::DoModal(HWND owner) {
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return result;
}

std::string ModalDialog::GetItemText(int id) const {
  HWND item = GetDlgItem(id);
  int length = GetWindowTextLengthA(item);
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(item, text.data(), length + 1);
  return text.data();
}

bool ModalDialog::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;  // also 0 for accelerators and keys
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

bool ModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

// A modal dialog is shown centred over its owner, or on the screen when it has none.
void ModalDialog::CenterOverOwner() const {
  RECT dialog;
  GetWindowRect(hwnd_, &dialog);
  RECT area;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &area);
  } else {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  int width = dialog.right - dialog.left;
  int height = dialog.bottom - dialog.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    dialog->hwnd_ = hwnd;
    dialog->CenterOverOwner();
    return dialog->OnInitDialog();
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  if (message == WM_COMMAND) return dialog->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
  INT_PTR result = 0;
  if (!dialog->OnMessage(message, wParam, lParam, result)) return FALSE;
  // Most messages answer through DWLP_MSGRESULT; the drag icon is returned directly.
  if (message == WM_QUERYDRAGICON) return result;
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}
