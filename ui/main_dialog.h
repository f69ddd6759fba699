// The main dialog: intro, the three products' check boxes, Execute and Cancel. It
// runs the start-up checks while it initialises and the removal run on Execute.
#pragma once
#include <windows.h>

#include "core/install_info_engine.h"
#include "platform/win32/win32_platform.h"
#include "ui/modal_dialog.h"
#include "ui/static_control.h"

class CC_INSDEL_INETISDNDlg : public ModalDialog, private UserApi, public InstallInfoEngine {
 public:
  explicit CC_INSDEL_INETISDNDlg(Win32Platform& platform);

  HICON m_hAppIcon;
  StaticControl m_stcIntro;

 protected:
  void DoDataExchange();
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void OnPaint();
  void OnBnClickedCancel();
  void OnBnClickedExecute();

 private:
  // What the engine needs of the dialog.
  int ShowMessageBox(const char* text, const char* caption, unsigned type) override;
  void SetItemCaption(int controlId, const char* text) override;

  void EnableRunControls(BOOL enable);
  void OnHelp();
};
