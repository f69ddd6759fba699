// Result rows: built zero-filled, kept by value, copied whole and independently.
#include <gtest/gtest.h>

#include <cstring>

#include "core/result_table.h"

namespace {

bool SameBytes(const RESULT_TABLE& left, const RESULT_TABLE& right) {
  return std::memcmp(&left, &right, sizeof left) == 0;
}

TEST(ResultTable, RowIsThePlainRecordOfTheRun) {
  static_assert(sizeof(RESULT_TABLE) == 4 + 4 + 8 + 64, "fields and sizes, no padding");
  RESULT_TABLE row = MakeResultRow(OUTCOME_REMOVED, PRODUCT_RUVENTA, "12340", "ルヴェンタ[12340]");
  EXPECT_EQ(row.nResult, 0);
  EXPECT_EQ(row.nKind, 1);
  EXPECT_EQ(std::string(row.szVersion, 8), std::string("12340\0\0\0", 8));
  std::string name(row.szName, sizeof row.szName);
  EXPECT_EQ(name.substr(0, std::strlen("ルヴェンタ[12340]")), "ルヴェンタ[12340]");
  EXPECT_EQ(name.find_first_not_of('\0', std::strlen("ルヴェンタ[12340]")), std::string::npos)
      << "the bytes behind the terminator are zero";
}

TEST(ResultTable, TextsTooLongAreCutAtACharacterBoundary) {
  std::string name;
  for (int i = 0; i < 40; ++i) name += "ソ";  // 80 bytes, each trail byte 0x5C
  RESULT_TABLE row = MakeResultRow(OUTCOME_FAILED, PRODUCT_SELDA, "ルヴェンタ", ("a" + name).c_str());
  EXPECT_EQ(std::strlen(row.szName), 63u) << "'a' and 31 whole characters";
  EXPECT_EQ(std::strlen(row.szVersion), 6u) << "three whole characters of the version";
}

TEST(ResultTable, OutcomeFollowsResultThenMask) {
  struct Case {
    int result;
    ProductKind kind;
    std::uint32_t mask;
    RemovalOutcome outcome;
  } cases[] = {
      {0, PRODUCT_KESRA, 2, OUTCOME_REMOVED},
      {0, PRODUCT_KESRA, 5, OUTCOME_ALREADY_REMOVED},
      {-1, PRODUCT_KESRA, 2, OUTCOME_FAILED},
      {-1, PRODUCT_SELDA, 0, OUTCOME_FAILED},
      {0, PRODUCT_SELDA, 7, OUTCOME_REMOVED},
  };
  for (const Case& c : cases) EXPECT_EQ(OutcomeOf(c.result, c.kind, c.mask), c.outcome) << c.kind << " " << c.mask;
}

TEST(ResultTable, RowsKeepTheirOrderAndCopiesAreIndependent) {
  ResultRows rows;
  EXPECT_EQ(rows.GetSize(), 0u);
  rows.Add(MakeResultRow(OUTCOME_REMOVED, PRODUCT_RUVENTA, "12340", "ルヴェンタ[12340]"));
  rows.Add(MakeResultRow(OUTCOME_ALREADY_REMOVED, PRODUCT_KESRA, "", "ケスラ"));
  rows.Add(MakeResultRow(OUTCOME_FAILED, PRODUCT_SELDA, "", "セルダ"));
  ASSERT_EQ(rows.GetSize(), 3u);
  EXPECT_EQ(rows[0].nKind, 1);
  EXPECT_EQ(rows[1].nKind, 2);
  EXPECT_EQ(rows[2].nKind, 4);

  ResultRows copy;
  copy.Add(MakeResultRow(OUTCOME_FAILED, PRODUCT_KESRA, "", "stale"));
  copy.Copy(rows);
  ASSERT_EQ(copy.GetSize(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(SameBytes(copy[i], rows[i])) << i;

  copy[0].nResult = -1;
  rows.Add(MakeResultRow(OUTCOME_REMOVED, PRODUCT_SELDA, "", "extra"));
  EXPECT_EQ(rows[0].nResult, 0) << "the source does not see the copy change";
  EXPECT_EQ(copy.GetSize(), 3u) << "the copy does not see the source grow";

  RESULT_TABLE before = rows[1];
  rows.Copy(rows);
  EXPECT_EQ(rows.GetSize(), 4u);
  EXPECT_TRUE(SameBytes(rows[1], before)) << "a copy onto itself changes nothing";

  ResultRows empty;
  copy.Copy(empty);
  EXPECT_EQ(copy.GetSize(), 0u);
}

}  // namespace
