#include "core/product_catalogue.h"

#include <cstdlib>

#include "core/mbcs_text.h"

const char TOOL_TITLE[] = "ソルネア　インストール情報削除";
const char WHAT_REGISTRY[] = "レジストリ";
const char WHAT_INSTALL_INFO_FILE[] = "インストール情報ファイル";
const char WHAT_INSTALL_INFO_FOLDER[] = "インストール情報フォルダ";

namespace {

const char VERSION_VALUE[] = "ミトラムＶ／Ｌ";
const char PROGRAM_FOLDER_VALUE[] = "プログラムフォルダ";
const char PROGRAM_FOLDER_READ_FAILED[] = "レジストリの取得に失敗しました[プログラムフォルダ]";

const ProductInfo CATALOGUE[PRODUCT_COUNT] = {
    {PRODUCT_RUVENTA, "ルヴェンタ", IDC_CHK_RUVENTA,
     "SOFTWARE\\ORVIQI", "SOFTWARE\\ORVIQI\\SolneaI\\PCI\\COMMON", VERSION_VALUE, PROGRAM_FOLDER_VALUE,
     REGISTRY_ENTRY_NONE, "", "",
     {"T6KUB000.exe", "T2FLX000.dll"}, 2, "\\",
     "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}", "T6KQWN00.exe",
     nullptr, PROGRAM_FOLDER_READ_FAILED},
    {PRODUCT_KESRA, "ケスラ", IDC_CHK_KESRA,
     "SOFTWARE\\ORVIQR", "SOFTWARE\\ORVIQR\\SolneaR\\PCR\\COMMON", VERSION_VALUE, PROGRAM_FOLDER_VALUE,
     REGISTRY_ENTRY_VALUE, "SOFTWARE\\ORVIQR\\SolneaR\\PCR\\COMMON", VERSION_VALUE,
     {"T3HMS000.exe", "T2FLX000.dll"}, 2, "\\",
     "{C4A9F017-3B6E-4D82-9E15-60D7B8A2F4C9}", "T3HZD000.exe",
     nullptr, PROGRAM_FOLDER_READ_FAILED},
    {PRODUCT_SELDA, "セルダ", IDC_CHK_SELDA,
     "", "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R", "", "Directory",
     REGISTRY_ENTRY_SUBKEY, "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R\\Parent Product", "SolneaI",
     {"cellprep.exe", nullptr}, 1, "\\PROGRAM\\bin\\",
     "{3E8B2C71-A4D9-41F6-8F62-7C09B5DA4170}", "",
     "[RemoveSCLR]レジストリ削除エラー。処理を終了します",
     "[RemoveSCLR]プログラムフォルダ取得に失敗。処理を終了します"},
};

}  // namespace

const ProductInfo& GetProductInfo(ProductKind kind) {
  switch (kind) {
    case PRODUCT_RUVENTA: return CATALOGUE[0];
    case PRODUCT_KESRA: return CATALOGUE[1];
    case PRODUCT_SELDA: return CATALOGUE[2];
  }
  std::abort();  // not a product: a programming error
}

void FormatCouldNotDelete(char* message, const char* what, const char* path) {
  FormatText(message, MESSAGE_BUFFER_SIZE,
             "%sの削除ができませんでした。\r\n"
             "管理者権限でログインしていない場合は、管理者権限でログインしてから、再度本ツールを適用してください。\r\n"
             "　　[%s]",
             what, path);
}
