// Arbitrary rows, names and versions through the caption formatting and the final
// result texts: nothing may crash, every text stays within its bound, no text is cut
// inside a double-byte character, and the advice names the versions it must.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/final_result_texts.h"
#include "core/mbcs_text.h"
#include "core/result_table.h"

namespace {

// True when the text, read as code page 932, does not end inside a character.
bool EndsOnBoundary(const char* text, std::size_t length) {
  std::size_t at = 0;
  while (at < length) at += IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
  return at == length;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckText(const char* text, std::size_t bound) {
  std::size_t length = strnlen(text, bound);
  Check(length < bound);
  Check(EndsOnBoundary(text, length));
}

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Text(std::size_t max) {
    std::size_t length = Byte() % (max + 1);
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
      char c = static_cast<char>(Byte());
      text += c == '\0' ? 'x' : c;
    }
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  ResultRows rows;
  std::size_t count = input.Byte() % 6;
  for (std::size_t i = 0; i < count; ++i) {
    std::int32_t result = static_cast<std::int8_t>(input.Byte()) % 3;
    std::int32_t kind = static_cast<std::int32_t>(input.Byte() % 8);
    std::string name = input.Text(90);
    std::string version = input.Text(12);

    // The caption as the start-up checks format it, then the row built from it.
    char caption[MESSAGE_BUFFER_SIZE];
    FormatText(caption, sizeof caption, "%s[%s]", name.c_str(), version.c_str());
    CheckText(caption, sizeof caption);
    RESULT_TABLE row = MakeResultRow(static_cast<RemovalOutcome>(result), PRODUCT_RUVENTA, version.c_str(),
                                     input.Byte() & 1 ? caption : name.c_str());
    row.nKind = kind;
    CheckText(row.szName, sizeof row.szName);
    CheckText(row.szVersion, sizeof row.szVersion);
    // Now and then a row with its fields filled to the last byte, as a stray record would be.
    if (input.Byte() % 16 == 0) {
      std::memset(row.szName, 'n', sizeof row.szName);
      std::memset(row.szVersion, '\x83', sizeof row.szVersion);
    }
    rows.Add(row);
  }

  FinalResultTexts texts = ComposeFinalResultTexts(rows);
  for (std::size_t i = 0; i < FINAL_RESULT_LINES; ++i) {
    CheckText(texts.names[i], sizeof texts.names[i]);
    Check(texts.outcomes[i] != nullptr);
  }

  // The advice, worked out here on its own: the last kind-1 row's version, at most
  // five bytes ending on a character boundary.
  bool failed = false, productOne = false;
  std::string version;
  for (std::size_t i = 0; i < rows.GetSize(); ++i) {
    failed = failed || rows[i].nResult == -1;
    if (rows[i].nKind & 1) productOne = productOne || rows[i].nKind == 1;
    if (rows[i].nKind == 1) {
      std::string field(rows[i].szVersion, strnlen(rows[i].szVersion, sizeof rows[i].szVersion));
      std::size_t keep = 0;
      for (std::size_t at = 0; at < field.size();) {
        std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(field[at])) ? 2 : 1;
        if (at + width > field.size() || at + width > 5) break;
        keep = at += width;
      }
      version = field.substr(0, keep);
    }
  }
  std::string expected;
  if (failed) {
    expected = "インストール情報の削除に失敗しました。\r\nパソコンを再起動後、本ソフトを再実行してください。";
  } else if (!productOne || version.empty()) {
    expected = "パソコンを再起動後、ルヴェンタをインストールしてください。";
  } else if (version.size() == 5 && version[4] == '0') {
    expected = "パソコンを再起動後、ルヴェンタ [" + version + "]をインストールしてください。";
  } else {
    std::size_t base = 0;
    for (std::size_t at = 0; at < version.size();) {
      std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(version[at])) ? 2 : 1;
      if (at + width > 4) break;
      base = at += width;
    }
    expected = "パソコンを再起動後、ルヴェンタ [" + version.substr(0, base) + "0]→[" + version + "] の順にインストールしてください。";
  }
  Check(texts.advice == expected);
  return 0;
}
