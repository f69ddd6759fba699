// The final result dialog's lines and advice, from the rows alone.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "core/final_result_texts.h"

namespace {

const char FAILED[] = "インストール情報の削除に失敗しました。\r\nパソコンを再起動後、本ソフトを再実行してください。";
const char NO_VERSION[] = "パソコンを再起動後、ルヴェンタをインストールしてください。";

ResultRows Rows(std::initializer_list<RESULT_TABLE> rows) {
  ResultRows list;
  for (const RESULT_TABLE& row : rows) list.Add(row);
  return list;
}

RESULT_TABLE Ruventa(RemovalOutcome outcome, const char* version) {
  std::string name = std::string("ルヴェンタ") + (*version ? std::string("[") + version + "]" : "");
  return MakeResultRow(outcome, PRODUCT_RUVENTA, version, name.c_str());
}
RESULT_TABLE Kesra(RemovalOutcome outcome) { return MakeResultRow(outcome, PRODUCT_KESRA, "071", "ケスラ[071]"); }
RESULT_TABLE Selda(RemovalOutcome outcome) { return MakeResultRow(outcome, PRODUCT_SELDA, "", "セルダ"); }

TEST(FinalResultTexts, ThreeRemovedRowsAndAVersionEndingInZero) {
  FinalResultTexts texts =
      ComposeFinalResultTexts(Rows({Ruventa(OUTCOME_REMOVED, "12340"), Kesra(OUTCOME_REMOVED), Selda(OUTCOME_REMOVED)}));
  EXPECT_STREQ(texts.names[0], "・ルヴェンタ[12340]");
  EXPECT_STREQ(texts.names[1], "・ケスラ[071]");
  EXPECT_STREQ(texts.names[2], "・セルダ");
  for (const char* outcome : texts.outcomes) EXPECT_STREQ(outcome, "：　削除しました");
  EXPECT_EQ(texts.advice, "パソコンを再起動後、ルヴェンタ [12340]をインストールしてください。");
}

TEST(FinalResultTexts, LinesFollowTheRowsAndUnusedLinesStayEmpty) {
  FinalResultTexts texts = ComposeFinalResultTexts(Rows({Kesra(OUTCOME_ALREADY_REMOVED), Selda(OUTCOME_REMOVED)}));
  EXPECT_STREQ(texts.names[0], "・ケスラ[071]");
  EXPECT_STREQ(texts.outcomes[0], "：　既に削除されています");
  EXPECT_STREQ(texts.names[1], "・セルダ");
  EXPECT_STREQ(texts.names[2], "");
  EXPECT_STREQ(texts.outcomes[2], "");
  EXPECT_EQ(texts.advice, NO_VERSION) << "names product 1 although it was not processed";

  FinalResultTexts none = ComposeFinalResultTexts(ResultRows());
  for (std::size_t i = 0; i < FINAL_RESULT_LINES; ++i) {
    EXPECT_STREQ(none.names[i], "");
    EXPECT_STREQ(none.outcomes[i], "");
  }
  EXPECT_EQ(none.advice, NO_VERSION);
}

TEST(FinalResultTexts, AdviceRules) {
  struct Case {
    const char* what;
    ResultRows rows;
    std::string advice;
  } cases[] = {
      {"any failure wins", Rows({Ruventa(OUTCOME_REMOVED, "12340"), Selda(OUTCOME_FAILED)}), FAILED},
      {"failure of product 1", Rows({Ruventa(OUTCOME_FAILED, "12345")}), FAILED},
      {"already removed counts as removed", Rows({Ruventa(OUTCOME_ALREADY_REMOVED, "12340")}),
       "パソコンを再起動後、ルヴェンタ [12340]をインストールしてください。"},
      {"no version read", Rows({Ruventa(OUTCOME_REMOVED, ""), Kesra(OUTCOME_REMOVED)}), NO_VERSION},
      {"fifth not zero", Rows({Ruventa(OUTCOME_REMOVED, "12345")}),
       "パソコンを再起動後、ルヴェンタ [12340]→[12345] の順にインストールしてください。"},
      {"shorter than five", Rows({Ruventa(OUTCOME_REMOVED, "123")}),
       "パソコンを再起動後、ルヴェンタ [1230]→[123] の順にインストールしてください。"},
      {"double-byte version is not split", Rows({Ruventa(OUTCOME_REMOVED, "1ソ3")}),
       "パソコンを再起動後、ルヴェンタ [1ソ30]→[1ソ3] の順にインストールしてください。"},
      {"cut inside a character", Rows({Ruventa(OUTCOME_REMOVED, "123ソ")}),
       "パソコンを再起動後、ルヴェンタ [1230]→[123ソ] の順にインストールしてください。"},
      {"unknown outcome is no failure", Rows({MakeResultRow(static_cast<RemovalOutcome>(7), PRODUCT_KESRA, "", "ケスラ")}),
       NO_VERSION},
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeFinalResultTexts(c.rows).advice, c.advice) << c.what;
}

TEST(FinalResultTexts, AnUnknownOutcomeShowsNothing) {
  RESULT_TABLE row = Selda(OUTCOME_REMOVED);
  row.nResult = 3;
  EXPECT_STREQ(ComposeFinalResultTexts(Rows({row})).outcomes[0], "");
}

TEST(FinalResultTexts, LongNamesAreCutAtACharacterBoundaryWithinTheLine) {
  RESULT_TABLE row = Selda(OUTCOME_REMOVED);
  std::memset(row.szName, 0, sizeof row.szName);
  for (std::size_t i = 0; i + 2 <= 63; i += 2) std::memcpy(row.szName + i, "ソ", 2);  // 62 bytes
  FinalResultTexts texts = ComposeFinalResultTexts(Rows({row}));
  EXPECT_EQ(std::strlen(texts.names[0]), 62u) << "the bullet and 30 whole characters";
  EXPECT_EQ(std::string(texts.names[0], 2), "・");
}

TEST(FinalResultTexts, AFourthRowHasNoLineButCountsForTheAdvice) {
  FinalResultTexts texts = ComposeFinalResultTexts(Rows(
      {Ruventa(OUTCOME_REMOVED, "12340"), Kesra(OUTCOME_REMOVED), Selda(OUTCOME_REMOVED), Selda(OUTCOME_FAILED)}));
  EXPECT_STREQ(texts.names[2], "・セルダ");
  EXPECT_EQ(texts.advice, FAILED);
}

}  // namespace
