// The application: shows the main dialog once and ends.
#pragma once
#include <windows.h>

class CC_QUORVEL_INETApp {
 public:
  CC_QUORVEL_INETApp() = default;
  virtual ~CC_QUORVEL_INETApp() = default;

  // Always FALSE: the tool has no message loop of its own.
  virtual BOOL InitInstance();
};

extern CC_QUORVEL_INETApp theApp;
