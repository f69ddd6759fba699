// Shift_JIS text handling: cuts only at character boundaries, separators only where a
// character starts, case folding of ASCII letters only.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/mbcs_text.h"

namespace {

TEST(MbcsText, FitLengthNeverSplitsADoubleByteCharacter) {
  const char* text = "aソルb";  // 'a', 0x83 0x5C, 0x83 0x8B, 'b'
  ASSERT_EQ(std::strlen(text), 6u);
  const std::size_t expected[] = {0, 1, 1, 3, 3, 5, 6, 6};
  for (std::size_t max = 0; max < 8; ++max) EXPECT_EQ(Cp932FitLength(text, max), expected[max]) << max;
  EXPECT_EQ(Cp932FitLength("a\x83", 5), 1u) << "a lone lead byte is dropped";
}

TEST(MbcsText, FormatTextCutsAtABoundaryAndFormatPathRefuses) {
  char text[4];
  FormatText(text, sizeof text, "%s", "aソル");
  EXPECT_EQ(std::string(text, 4), std::string("a\x83\x5C\0", 4));

  char path[8];
  std::memset(path, 'x', sizeof path);
  EXPECT_TRUE(FormatPath(path, sizeof path, "%s\\%s", "abc", "def"));
  EXPECT_STREQ(path, "abc\\def");
  EXPECT_FALSE(FormatPath(path, sizeof path, "%s\\%s", "abc", "defg"));
  EXPECT_EQ(std::string(path, sizeof path), std::string(sizeof path, '\0')) << "nothing of a path too long is kept";
}

TEST(MbcsText, CopyTextZeroFillsAndCutsAtABoundary) {
  char field[4];
  std::memset(field, 'x', sizeof field);
  CopyText(field, sizeof field, "ab");
  EXPECT_EQ(std::string(field, 4), std::string("ab\0\0", 4));
  CopyText(field, sizeof field, "aルヴ");
  EXPECT_EQ(std::string(field, 4), std::string("a\x83\x8B\0", 4));
}

TEST(MbcsText, CompareFoldsAsciiLettersOnly) {
  EXPECT_EQ(CompareAsciiNoCase("T6KQWN00.exe", "t6kqwn00.EXE"), 0);
  EXPECT_NE(CompareAsciiNoCase("T6KQWN00.exe", "T6KQWN00.ex"), 0);
  EXPECT_NE(CompareAsciiNoCase("ａ.exe", "Ａ.exe"), 0) << "full-width letters keep their case";
  EXPECT_NE(CompareAsciiNoCase("\xC0", "\xE0"), 0) << "bytes above 0x7F are compared as they are";
  EXPECT_EQ(CompareAsciiNoCase("[@]", "[@]"), 0);
  EXPECT_NE(CompareAsciiNoCase("@", "`"), 0) << "neighbours of the letters are not folded";
}

TEST(MbcsText, FileNamePartSplitsOnlyAtRealSeparators) {
  EXPECT_STREQ(FileNamePart("C:\\tools\\SolneaInsDel.exe"), "SolneaInsDel.exe");
  EXPECT_STREQ(FileNamePart("C:\\ソフト\\ソルネア削除.exe"), "ソルネア削除.exe");
  EXPECT_STREQ(FileNamePart("C:\\表\\ソ.exe"), "ソ.exe");
  EXPECT_STREQ(FileNamePart("tool.exe"), "tool.exe");
  EXPECT_STREQ(FileNamePart("C:tool.exe"), "tool.exe");
}

}  // namespace
