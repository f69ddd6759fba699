// What the engine needs of the main dialog: modal message boxes it owns, and the
// captions of its check boxes.
#pragma once

enum : unsigned {
  MESSAGE_TYPE_STOP = 0x10,                 // MB_OK | MB_ICONHAND
  MESSAGE_TYPE_CONFIRM = 0x121,             // MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2
};

enum : int {
  ANSWER_OK = 1,      // IDOK
  ANSWER_CANCEL = 2,  // IDCANCEL
};

class UserApi {
 public:
  virtual ~UserApi() = default;
  virtual int ShowMessageBox(const char* text, const char* caption, unsigned type) = 0;
  virtual void SetItemCaption(int controlId, const char* text) = 0;
};
