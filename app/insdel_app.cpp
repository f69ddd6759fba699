#include "app/insdel_app.h"

#include <commctrl.h>

#include "ui/main_dialog.h"

CC_QUORVEL_INETApp theApp;

BOOL CC_QUORVEL_INETApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);

  // Restart after an update or a crash, without recovery.
  RegisterApplicationRestart(nullptr, 0);

  Win32Platform platform;
  CC_INSDEL_INETISDNDlg dialog(platform);
  dialog.DoModal(nullptr);
  return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  theApp.InitInstance();
  return 0;
}
