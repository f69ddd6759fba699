#include "ui/main_dialog.h"

#include <shellapi.h>

#include <string>

#include "core/mbcs_text.h"
#include "res/resource.h"

CC_INSDEL_INETISDNDlg::CC_INSDEL_INETISDNDlg(Win32Platform& platform)
    : ModalDialog(IDD_INSDEL_INETISDN),
      InstallInfoEngine(PlatformApis{platform.registry, platform.files, platform.processes, *this}),
      m_hAppIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_APPICON))) {}

void CC_INSDEL_INETISDNDlg::DoDataExchange() { m_stcIntro.Attach(GetDlgItem(IDC_STATIC_INTRO)); }

BOOL CC_INSDEL_INETISDNDlg::OnInitDialog() {
  DoDataExchange();

  char intro[512];
  FormatText(intro, sizeof intro,
             "本ツール[%s]は、ソルネア関連のインストール情報を削除し、\r\n再インストールを可能にするためのツールです。"
             "\r\n\r\n削除するソフトを選択してください。",
             "qz.01");
  m_stcIntro.SetWindowText(intro);
  SetItemText(IDC_STATIC_STATUS, "");

  if (RunStartupChecks() != 0) {
    OnCancel();
    return TRUE;
  }
  for (ProductKind kind : PRODUCT_ORDER)
    SendMessageA(GetDlgItem(GetProductInfo(kind).checkBoxId), BM_SETCHECK, BST_CHECKED, 0);
  return TRUE;
}

bool CC_INSDEL_INETISDNDlg::OnCommand(int id, int notifyCode) {
  static const CommandEntry<CC_INSDEL_INETISDNDlg> commands[] = {
      {IDC_BTN_CANCEL, BN_CLICKED, &CC_INSDEL_INETISDNDlg::OnBnClickedCancel},
      {IDC_BTN_EXECUTE, BN_CLICKED, &CC_INSDEL_INETISDNDlg::OnBnClickedExecute},
  };
  // IDOK (Enter with no default push button) and IDCANCEL go to the base.
  return DispatchCommand(*this, commands, id, notifyCode) || ModalDialog::OnCommand(id, notifyCode);
}

bool CC_INSDEL_INETISDNDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      if (!IsIconic(GetSafeHwnd())) return false;  // the dialog's own painting
      OnPaint();
      result = 0;
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<INT_PTR>(m_hAppIcon);
      return true;
    case WM_HELP:
      OnHelp();
      result = TRUE;
      return true;
    default:
      return false;  // system commands and the rest: the platform's default handling
  }
}

void CC_INSDEL_INETISDNDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(GetSafeHwnd(), &paint);
  SendMessageA(GetSafeHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  int iconWidth = GetSystemMetrics(SM_CXICON);
  int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(GetSafeHwnd(), &client);
  int x = (client.right - client.left - iconWidth + 1) / 2;
  int y = (client.bottom - client.top - iconHeight + 1) / 2;
  DrawIcon(dc, x, y, m_hAppIcon);
  EndPaint(GetSafeHwnd(), &paint);
}

void CC_INSDEL_INETISDNDlg::OnBnClickedCancel() { EndDialog(IDCANCEL); }

// F1 without Shift, Ctrl or Alt opens a help file named after the executable, if any.
void CC_INSDEL_INETISDNDlg::OnHelp() {
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return;
  char module[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  if (length == 0 || length >= sizeof module) return;
  std::string help = module;
  std::size_t nameAt = static_cast<std::size_t>(FileNamePart(module) - module);
  std::size_t dot = help.rfind('.');
  if (dot == std::string::npos || dot < nameAt) dot = help.size();
  help = help.substr(0, dot) + ".chm";
  if (GetFileAttributesA(help.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  ShellExecuteA(GetSafeHwnd(), "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int CC_INSDEL_INETISDNDlg::ShowMessageBox(const char* text, const char* caption, unsigned type) {
  return MessageBoxA(GetSafeHwnd(), text, caption, type);
}

void CC_INSDEL_INETISDNDlg::SetItemCaption(int controlId, const char* text) { SetItemText(controlId, text); }

void CC_INSDEL_INETISDNDlg::EnableRunControls(BOOL enable) {
  const int controls[] = {IDC_CHK_RUVENTA, IDC_CHK_KESRA, IDC_CHK_SELDA, IDC_BTN_CANCEL, IDC_BTN_EXECUTE};
  for (int id : controls) EnableWindow(GetDlgItem(id), enable);
}
