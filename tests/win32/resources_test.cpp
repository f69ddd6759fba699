// Reads the resources this executable carries (app.rc is linked in) and checks
// them byte by byte: windres has defaults of its own, and the dialogs must be
// exactly what the tool's code and its users expect.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/product_catalogue.h"
#include "res/resource.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

struct Blob {
  const BYTE* data = nullptr;
  DWORD size = 0;
};

Blob LoadJapanese(LPCWSTR type, LPCWSTR name) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceExW(self, type, name, kJapanese);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(self, found);
  if (loaded == nullptr) return {};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(self, found)};
}

// Reads little-endian fields; running past the end is a test failure, not a crash.
class Reader {
 public:
  explicit Reader(Blob blob) : base_(blob.data), pos_(0), size_(blob.size) {}

  BYTE Byte() { return Take(1)[0]; }
  WORD Word() {
    const BYTE* p = Take(2);
    return static_cast<WORD>(p[0] | (p[1] << 8));
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }

  std::u16string String() {
    std::u16string s;
    for (WORD c = Word(); c != 0; c = Word()) s.push_back(static_cast<char16_t>(c));
    return s;
  }

  // Dialog templates start every item on a DWORD boundary of the template.
  void AlignDword() {
    while (pos_ % 4 != 0) Take(1);
  }
  DWORD Offset() const { return pos_; }
  DWORD Remaining() const { return size_ - pos_; }

 private:
  const BYTE* Take(DWORD n) {
    if (base_ == nullptr || size_ - pos_ < n) throw std::out_of_range("resource ends early");
    const BYTE* p = base_ + pos_;
    pos_ += n;
    return p;
  }

  const BYTE* base_;
  DWORD pos_;
  DWORD size_;
};

// A menu, class or title field: nothing, an ordinal or a string.
struct NameOrOrdinal {
  enum Kind { NONE, ORDINAL, TEXT } kind = NONE;
  WORD ordinal = 0;
  std::u16string text;
};

NameOrOrdinal ReadNameOrOrdinal(Reader& r) {
  NameOrOrdinal n;
  const WORD first = r.Word();
  if (first == 0x0000) return n;
  if (first == 0xFFFF) {
    n.kind = NameOrOrdinal::ORDINAL;
    n.ordinal = r.Word();
    return n;
  }
  n.kind = NameOrOrdinal::TEXT;
  n.text.push_back(static_cast<char16_t>(first));
  n.text += r.String();
  return n;
}

struct ExpectedItem {
  DWORD id;
  WORD classOrdinal;
  const char16_t* title;
  DWORD style;
  short x, y, cx, cy;
};

struct ExpectedDialog {
  const char* name;
  WORD id;
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;
  const char16_t* caption;
  WORD pointSize;
  WORD weight;
  BYTE italic;
  BYTE charset;
  const char16_t* typeface;
  std::vector<ExpectedItem> items;
};

// The tables hold the numbers the dialogs are checked against; these say what they are.
static_assert((WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT) ==
              0x90C800C0);
static_assert((WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT) == 0x80C800C0);
static_assert((WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON) == 0x50010000);
static_assert((WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX) == 0x50010003);
static_assert((WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON) == 0x50010001);
static_assert((WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER | SS_CENTERIMAGE) == 0x50020201);
static_assert((WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_CENTERIMAGE) == 0x50020200);
static_assert((WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT) == 0x50020000);

const char16_t kCaption[] = u"ソルネア　インストール情報削除";

const std::vector<ExpectedDialog>& Dialogs() {
  static const std::vector<ExpectedDialog> dialogs = {
      {"Main", IDD_INSDEL_INETISDN, 0x90C800C0, 0x00040000, 0, 0, 220, 128, kCaption, 12, 400, 0,
       0x80, u"MS UI Gothic",
       {
           {IDC_BTN_EXECUTE, kButtonClass, u"実行", 0x50010000, 141, 110, 34, 13},
           {IDC_BTN_CANCEL, kButtonClass, u"キャンセル", 0x50010000, 182, 110, 34, 13},
           {IDC_CHK_RUVENTA, kButtonClass, u"ルヴェンタ", 0x50010003, 14, 49, 109, 10},
           {IDC_CHK_KESRA, kButtonClass, u"ケスラ", 0x50010003, 14, 63, 109, 10},
           {IDC_CHK_SELDA, kButtonClass, u"セルダ", 0x50010003, 14, 77, 109, 10},
           {IDC_STATIC_INTRO, kStaticClass,
            u"本ツール[qz.01]は、ソルネア関連のインストール情報を削除し", 0x50020000, 7, 7, 209,
            37},
           {IDC_STATIC_STATUS, kStaticClass, u"スタティック", 0x50020000, 7, 100, 118, 15},
       }},
      {"FinalResult", IDD_INSDEL_FINALRESULT, 0x80C800C0, 0, 0, 0, 355, 153, kCaption, 12, 400, 0,
       0x80, u"ＭＳ ゴシック",
       {
           {IDOK, kButtonClass, u"OK", 0x50010001, 288, 125, 50, 14},
           {static_cast<DWORD>(IDC_STATIC), kStaticClass, u"◆◇◆　最終結果　◆◇◆", 0x50020201,
            16, 12, 284, 23},
           {IDC_STATIC_NAME1, kStaticClass, u"", 0x50020200, 20, 40, 145, 13},
           {IDC_STATIC_NAME2, kStaticClass, u"", 0x50020200, 20, 55, 145, 13},
           {IDC_STATIC_NAME3, kStaticClass, u"", 0x50020200, 20, 70, 145, 13},
           {IDC_STATIC_RESULT1, kStaticClass, u"", 0x50020200, 171, 40, 121, 13},
           {IDC_STATIC_RESULT2, kStaticClass, u"", 0x50020200, 171, 55, 121, 13},
           {IDC_STATIC_RESULT3, kStaticClass, u"", 0x50020200, 171, 70, 121, 13},
           {IDC_STATIC_STATUS, kStaticClass, u"", 0x50020000, 7, 90, 341, 28},
       }},
  };
  return dialogs;
}

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const ExpectedDialog& dialog, std::ostream* os) { *os << dialog.name; }

class DialogTemplate : public ::testing::TestWithParam<ExpectedDialog> {};

TEST_P(DialogTemplate, MatchesByteByByte) {
  const ExpectedDialog& want = GetParam();
  const Blob blob = LoadJapanese(MAKEINTRESOURCEW(5) /* RT_DIALOG */, MAKEINTRESOURCEW(want.id));
  ASSERT_NE(blob.data, nullptr) << "no Japanese dialog " << want.id;
  Reader r(blob);

  EXPECT_EQ(r.Word(), 1u) << "dlgVer";
  EXPECT_EQ(r.Word(), 0xFFFFu) << "signature";
  EXPECT_EQ(r.Dword(), 0u) << "helpID";
  EXPECT_EQ(r.Dword(), want.exStyle) << "exStyle";
  const DWORD style = r.Dword();
  EXPECT_EQ(style, want.style) << "style";
  const WORD count = r.Word();
  EXPECT_EQ(count, want.items.size()) << "cDlgItems";
  EXPECT_EQ(r.Short(), want.x);
  EXPECT_EQ(r.Short(), want.y);
  EXPECT_EQ(r.Short(), want.cx);
  EXPECT_EQ(r.Short(), want.cy);
  EXPECT_EQ(ReadNameOrOrdinal(r).kind, NameOrOrdinal::NONE) << "menu";
  EXPECT_EQ(ReadNameOrOrdinal(r).kind, NameOrOrdinal::NONE) << "class";
  EXPECT_EQ(r.String(), want.caption) << "caption";
  ASSERT_TRUE(style & DS_SETFONT) << "the font fields follow only with DS_SETFONT";
  EXPECT_EQ(r.Word(), want.pointSize) << "pointsize";
  EXPECT_EQ(r.Word(), want.weight) << "weight";
  EXPECT_EQ(r.Byte(), want.italic) << "italic";
  EXPECT_EQ(r.Byte(), want.charset) << "charset";
  EXPECT_EQ(r.String(), want.typeface) << "typeface";

  ASSERT_EQ(count, want.items.size());
  for (const ExpectedItem& item : want.items) {
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(item.id));
    r.AlignDword();
    EXPECT_EQ(r.Dword(), 0u) << "helpID";
    EXPECT_EQ(r.Dword(), 0u) << "exStyle";
    EXPECT_EQ(r.Dword(), item.style) << "style";
    EXPECT_EQ(r.Short(), item.x);
    EXPECT_EQ(r.Short(), item.y);
    EXPECT_EQ(r.Short(), item.cx);
    EXPECT_EQ(r.Short(), item.cy);
    EXPECT_EQ(r.Dword(), item.id) << "id";
    const NameOrOrdinal cls = ReadNameOrOrdinal(r);
    EXPECT_EQ(cls.kind, NameOrOrdinal::ORDINAL) << "class by ordinal";
    EXPECT_EQ(cls.ordinal, item.classOrdinal) << "class";
    const NameOrOrdinal title = ReadNameOrOrdinal(r);
    EXPECT_NE(title.kind, NameOrOrdinal::ORDINAL) << "title";
    EXPECT_EQ(title.text, item.title) << "title";
    EXPECT_EQ(r.Word(), 0u) << "extra count";
  }
  EXPECT_LT(r.Remaining(), 4u) << "bytes after the last control at offset " << r.Offset();
}

INSTANTIATE_TEST_SUITE_P(Resources, DialogTemplate, ::testing::ValuesIn(Dialogs()),
                         [](const ::testing::TestParamInfo<ExpectedDialog>& param) {
                           return std::string(param.param.name);
                         });

// The standard VGA colours as RGBQUADs (blue, green, red, 0).
const BYTE kVga16[16][4] = {
    {0x00, 0x00, 0x00, 0}, {0x00, 0x00, 0x80, 0}, {0x00, 0x80, 0x00, 0}, {0x00, 0x80, 0x80, 0},
    {0x80, 0x00, 0x00, 0}, {0x80, 0x00, 0x80, 0}, {0x80, 0x80, 0x00, 0}, {0xC0, 0xC0, 0xC0, 0},
    {0x80, 0x80, 0x80, 0}, {0x00, 0x00, 0xFF, 0}, {0x00, 0xFF, 0x00, 0}, {0x00, 0xFF, 0xFF, 0},
    {0xFF, 0x00, 0x00, 0}, {0xFF, 0x00, 0xFF, 0}, {0xFF, 0xFF, 0x00, 0}, {0xFF, 0xFF, 0xFF, 0},
};

TEST(Resources, IconGroupHoldsElevenDibImages) {
  struct Format {
    int size;
    int bitCount;
  };
  const Format formats[] = {{32, 4},  {16, 4},  {48, 8},  {32, 8},  {16, 8}, {48, 24},
                            {32, 24}, {16, 24}, {48, 32}, {32, 32}, {16, 32}};

  const Blob group = LoadJapanese(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
                                  MAKEINTRESOURCEW(IDR_APPICON));
  ASSERT_NE(group.data, nullptr);
  Reader r(group);
  EXPECT_EQ(r.Word(), 0u) << "reserved";
  EXPECT_EQ(r.Word(), 1u) << "type icon";
  ASSERT_EQ(r.Word(), std::size(formats));

  for (const Format& f : formats) {
    SCOPED_TRACE(::testing::Message() << f.size << "x" << f.size << " " << f.bitCount << " bpp");
    EXPECT_EQ(r.Byte(), f.size) << "width";
    EXPECT_EQ(r.Byte(), f.size) << "height";
    EXPECT_EQ(r.Byte(), f.bitCount == 4 ? 16 : 0) << "colour count";
    EXPECT_EQ(r.Byte(), 0) << "reserved";
    EXPECT_EQ(r.Word(), 1u) << "planes";
    EXPECT_EQ(r.Word(), f.bitCount) << "bit count";
    const DWORD bytes = r.Dword();
    const WORD iconId = r.Word();

    const Blob image = LoadJapanese(MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(iconId));
    ASSERT_NE(image.data, nullptr) << "icon image " << iconId;
    EXPECT_EQ(image.size, bytes);
    ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
    ASSERT_NE(std::memcmp(image.data, "\x89PNG", 4), 0) << "stored as PNG";
    BITMAPINFOHEADER h;
    std::memcpy(&h, image.data, sizeof h);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, f.size);
    EXPECT_EQ(h.biHeight, 2 * f.size) << "XOR and AND halves";
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, f.bitCount);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));

    // Header, palette, XOR rows, then the 1-bpp AND mask, every row padded to 4 bytes.
    const DWORD colours = f.bitCount <= 8 ? (h.biClrUsed ? h.biClrUsed : 1u << f.bitCount) : 0;
    const DWORD xorStride = ((f.size * f.bitCount + 31) / 32) * 4;
    const DWORD andStride = ((f.size + 31) / 32) * 4;
    EXPECT_EQ(image.size, 40 + 4 * colours + (xorStride + andStride) * f.size);

    if (f.bitCount == 4) {
      ASSERT_EQ(colours, 16u);
      EXPECT_EQ(std::memcmp(image.data + 40, kVga16, sizeof kVga16), 0) << "VGA palette";
    }

    // The system must take the image as it is.
    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image.data), image.size, TRUE,
                                          0x00030000, f.size, f.size, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr) << "CreateIconFromResourceEx";
    if (icon != nullptr) DestroyIcon(icon);
  }
}

TEST(Resources, ManifestAsksForHighestAvailableAndCommonControls6) {
  const Blob blob = LoadJapanese(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
  ASSERT_NE(blob.data, nullptr);
  const std::string xml(reinterpret_cast<const char*>(blob.data), blob.size);

  EXPECT_EQ(xml.rfind(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)", 0), 0u);
  const char* const needles[] = {
      R"(name="Microsoft.Windows.ORVIQqz01")",
      R"(<requestedExecutionLevel level="highestAvailable"/>)",
      R"(name="Microsoft.Windows.Common-Controls")",
      R"(version="6.0.0.0")",
      R"(publicKeyToken="6595b64144ccf1df")",
      R"(language="*")",
  };
  for (const char* needle : needles) EXPECT_NE(xml.find(needle), std::string::npos) << needle;
  // UTF-8 whatever the execution character set of this file.
  EXPECT_NE(xml.find(reinterpret_cast<const char*>(u8"アプリケーションの説明をここに挿入します。")),
            std::string::npos);

  // Vista, 7, 8, 8.1, 10, in this order.
  const char* const systems[] = {
      "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
      "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
      "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
  };
  std::size_t from = 0;
  for (const char* id : systems) {
    const std::size_t at = xml.find(std::string("<supportedOS Id=\"") + id + "\"/>", from);
    ASSERT_NE(at, std::string::npos) << id << " missing or out of order";
    from = at + 1;
  }
}

std::wstring Describe(LPCWSTR value) {
  if (IS_INTRESOURCE(value)) {
    return L"#" + std::to_wstring(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(value)));
  }
  return value;
}

std::vector<std::wstring> EnumerateResources() {
  std::vector<std::wstring> found;
  struct Walk {
    static BOOL CALLBACK Language(HMODULE, LPCWSTR type, LPCWSTR name, WORD lang, LONG_PTR out) {
      wchar_t langText[8];
      swprintf(langText, 8, L"%04X", lang);
      reinterpret_cast<std::vector<std::wstring>*>(out)->push_back(
          Describe(type) + L" " + Describe(name) + L" " + langText);
      return TRUE;
    }
    static BOOL CALLBACK Name(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR out) {
      EnumResourceLanguagesW(module, type, name, Language, out);
      return TRUE;
    }
    static BOOL CALLBACK Type(HMODULE module, LPWSTR type, LONG_PTR out) {
      EnumResourceNamesW(module, type, Name, out);
      return TRUE;
    }
  };
  EnumResourceTypesW(GetModuleHandleW(nullptr), Walk::Type, reinterpret_cast<LONG_PTR>(&found));
  std::sort(found.begin(), found.end());
  return found;
}

TEST(Resources, ModuleHoldsOnlyTheseJapaneseResources) {
  std::vector<std::wstring> expected;
  for (int i = 1; i <= 11; ++i) expected.push_back(L"#3 #" + std::to_wstring(i) + L" 0411");
  expected.push_back(L"#5 #102 0411");
  expected.push_back(L"#5 #104 0411");
  expected.push_back(L"#14 #128 0411");
  expected.push_back(L"#24 #1 0411");
  std::sort(expected.begin(), expected.end());

  EXPECT_EQ(EnumerateResources(), expected);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */),
            nullptr);
}

}  // namespace
