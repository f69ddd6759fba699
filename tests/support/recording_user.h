// Stands in for the main dialog: records every message box and caption, answers OK.
#pragma once
#include <string>
#include <vector>

#include "platform/user_api.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  unsigned type;
};

class RecordingUser : public UserApi {
 public:
  int ShowMessageBox(const char* text, const char* caption, unsigned type) override {
    messages.push_back({text, caption, type});
    return answer;
  }
  void SetItemCaption(int controlId, const char* text) override { captions.push_back({controlId, text}); }

  std::string CaptionOf(int controlId) const {
    std::string last;
    for (const auto& caption : captions)
      if (caption.first == controlId) last = caption.second;
    return last;
  }

  std::vector<ShownMessage> messages;
  std::vector<std::pair<int, std::string>> captions;
  int answer = ANSWER_OK;
};
