#include "core/final_result_texts.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "core/mbcs_text.h"

namespace {

const char* OutcomeText(std::int32_t result) {
  switch (result) {
    case OUTCOME_REMOVED: return "：　削除しました";
    case OUTCOME_ALREADY_REMOVED: return "：　既に削除されています";
    case OUTCOME_FAILED: return "：　削除できませんでした";
    default: return "";
  }
}

}  // namespace

FinalResultTexts ComposeFinalResultTexts(const ResultRows& rows) {
  FinalResultTexts texts;
  std::memset(texts.names, 0, sizeof texts.names);
  std::fill(std::begin(texts.outcomes), std::end(texts.outcomes), "");

  std::uint32_t kinds = 0;
  bool failed = false;
  char version[VERSION_TEXT_SIZE] = {};
  for (std::size_t i = 0; i < rows.GetSize(); ++i) {
    const RESULT_TABLE& row = rows[i];
    if (i < FINAL_RESULT_LINES) {
      char name[sizeof row.szName + 1];
      std::memcpy(name, row.szName, sizeof row.szName);
      name[sizeof row.szName] = '\0';
      FormatText(texts.names[i], FINAL_RESULT_LINE_SIZE, "・%s", name);
      texts.outcomes[i] = OutcomeText(row.nResult);
    }
    if (row.nResult == OUTCOME_FAILED) failed = true;
    if (row.nKind == PRODUCT_RUVENTA) {
      char rowVersion[sizeof row.szVersion + 1];
      std::memcpy(rowVersion, row.szVersion, sizeof row.szVersion);
      rowVersion[sizeof row.szVersion] = '\0';
      CopyText(version, sizeof version, rowVersion);
    }
    kinds |= static_cast<std::uint32_t>(row.nKind);
  }

  if (failed) {
    texts.advice = "インストール情報の削除に失敗しました。\r\nパソコンを再起動後、本ソフトを再実行してください。";
  } else if ((kinds & PRODUCT_RUVENTA) == 0 || version[0] == '\0') {
    texts.advice = "パソコンを再起動後、ルヴェンタをインストールしてください。";
  } else if (version[4] == '0') {
    char advice[256];  // the longest advice with two versions is about 100 bytes
    FormatText(advice, sizeof advice, "パソコンを再起動後、ルヴェンタ [%s]をインストールしてください。", version);
    texts.advice = advice;
  } else {
    // The first four bytes and the digit zero; a double-byte character is never split.
    char base[VERSION_TEXT_SIZE] = {};
    std::size_t kept = Cp932FitLength(version, 4);
    std::memcpy(base, version, kept);
    base[kept] = '0';
    char advice[256];  // the longest advice with two versions is about 100 bytes
    FormatText(advice, sizeof advice, "パソコンを再起動後、ルヴェンタ [%s]→[%s] の順にインストールしてください。", base,
               version);
    texts.advice = advice;
  }
  return texts;
}
