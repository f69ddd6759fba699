#include "tests/oracle/removal_oracle.h"

namespace model {

const char GETENV_MESSAGE[] = "<getenv message>";
const char PROGRAM_FILES[] = "Program Files (x86)";

namespace {

struct Facts {
  const char* name;
  int kind;
  const char* root;
  const char* key;
  const char* folderValue;
  const char* files[2];
  const char* infix;
  const char* code;
  const char* folderReadFailed;
};

const char* const READ_FAILED = "レジストリの取得に失敗しました[プログラムフォルダ]";
const Facts FACTS[3] = {
    {"ルヴェンタ", 1, "software\\orviqi", "software\\orviqi\\solneai\\pci\\common", "プログラムフォルダ",
     {"T6KUB000.exe", "T2FLX000.dll"}, "\\", "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}", READ_FAILED},
    {"ケスラ", 2, "software\\orviqr", "software\\orviqr\\solnear\\pcr\\common", "プログラムフォルダ",
     {"T3HMS000.exe", "T2FLX000.dll"}, "\\", "{C4A9F017-3B6E-4D82-9E15-60D7B8A2F4C9}", READ_FAILED},
    {"セルダ", 4, "", "software\\fujitsu\\install\\securecrypto library r", "Directory", {"cellprep.exe", nullptr},
     "\\PROGRAM\\bin\\", "{3E8B2C71-A4D9-41F6-8F62-7C09B5DA4170}",
     "[RemoveSCLR]プログラムフォルダ取得に失敗。処理を終了します"},
};
const char PARENT_KEY[] = "software\\fujitsu\\install\\securecrypto library r\\parent product";

std::string CouldNotDelete(const std::string& what, const std::string& path) {
  return what + "の削除ができませんでした。\r\n管理者権限でログインしていない場合は、管理者権限で" +
         "ログインしてから、再度本ツールを適用してください。\r\n　　[" + path + "]";
}

std::string FolderValue(const Product& product, int index, const std::function<std::string(const std::string&)>& path) {
  switch (product.folder) {
    case Folder::Normal: return path(ProductFolder(index));
    case Folder::Bound520: return std::string(520, 'f');
    case Folder::Dword: return "1234";
    default: return "";
  }
}

}  // namespace

std::string ProductFolder(int index) { return "P" + std::to_string(index + 1); }
std::string InfoFolderOf(int index) {
  return std::string(PROGRAM_FILES) + "\\InstallShield Installation Information\\" + FACTS[index].code;
}

Prediction Predict(const Machine& machine, const std::function<std::string(const std::string&)>& path) {
  Prediction p;
  std::string versions[3];

  // Start-up: rights and versions of products 1 and 2, in that order.
  for (int i = 0; i < 2; ++i) {
    const Product& product = machine.products[i];
    if (!product.installed) continue;
    if (product.rootRights == Rights::None) {
      p.messages.push_back("レジストリのオープンに失敗[5]");
      p.startup = -1;
      return p;
    }
    if (product.rootRights == Rights::ReadOnly) {
      p.messages.push_back("本ツールは管理者権限のあるユーザでログインしてから使用してください。");
      p.startup = -1;
      return p;
    }
    bool readable = product.keyRights == Rights::Full;
    bool fits = product.version == Version::Short || product.version == Version::FiveEndingInZero ||
                product.version == Version::Five;
    if (readable && fits) {
      versions[i] = VersionText(product.version);
      p.captions[i] = std::string(FACTS[i].name) + "[" + versions[i] + "]";
    }
  }

  // The removal run, in product order.
  for (int i = 0; i < 3; ++i) {
    const Facts& facts = FACTS[i];
    if ((machine.ticked & static_cast<std::uint32_t>(facts.kind)) == 0) continue;
    const Product& product = machine.products[i];
    bool deleted = false;
    int& result = p.results[i];
    auto fail = [&](const std::string& message) {
      p.messages.push_back(message);
      result = -1;
    };

    // Registry entry: product 2's version value, product 3's parent-product subkey.
    if (i == 1 && product.installed) {
      if (product.keyRights != Rights::Full) fail(CouldNotDelete("レジストリ", ""));
      else if (product.version != Version::Absent) {
        p.removedRegistry.insert(std::string(facts.key) + " :ミトラムＶ／Ｌ");
        deleted = true;
      }
    }
    if (i == 2 && product.installed) {
      switch (product.parent) {
        case Parent::Subkey:
          p.removedRegistry.insert(std::string(PARENT_KEY) + "\\solneai");
          p.removedRegistry.insert(std::string(PARENT_KEY) + "\\solneai :version");
          deleted = true;
          break;
        case Parent::SubkeyWithSubkeys:
        case Parent::SubkeyReadOnly:
        case Parent::ParentReadOnly:
          fail("[RemoveSCLR]レジストリ削除エラー。処理を終了します");
          break;
        case Parent::Absent:
        case Parent::ParentOnly:
          break;
      }
    }

    // Folder and program files.
    // The key is opened with full access before the value is looked for.
    if (result == 0 && product.installed) {
      if (product.keyRights != Rights::Full || product.folder == Folder::TooLong521 ||
          product.folder == Folder::Unterminated521) {
        fail(facts.folderReadFailed);
      } else if (product.folder != Folder::Absent && product.folder != Folder::Empty) {
        std::string folder = FolderValue(product, i, path);
        if (folder.size() + std::string(facts.infix).size() + 12 > 520) {
          fail(CouldNotDelete(facts.name, folder + facts.infix + facts.files[0]));
        } else if (product.folder == Folder::Normal) {
          for (int f = 0; f < 2 && facts.files[f] && result == 0; ++f) {
            std::string relative = ProductFolder(i) + facts.infix + facts.files[f];
            if (product.files[f] == File::Present) {
              p.removedFiles.insert(relative);
              deleted = true;
            } else if (product.files[f] != File::Absent) {
              fail(CouldNotDelete(facts.name, path(relative)));
            }
          }
        }
      }
    }

    // Installation information.
    if (result == 0) {
      if (!machine.programFilesSet) {
        fail(GETENV_MESSAGE);
      } else if (product.installed && product.info != InfoFolder::Absent) {
        std::string info = InfoFolderOf(i);
        bool stopped = false;
        for (const InfoFile& file : product.infoFiles) {
          if (file.state != File::Present) {
            fail(CouldNotDelete("インストール情報ファイル", path(info + "\\" + file.name)));
            stopped = true;
            break;
          }
          p.removedFiles.insert(info + "\\" + file.name);
        }
        if (!stopped) {
          if (product.info == InfoFolder::FilesAndSubfolder) {
            fail(CouldNotDelete("インストール情報フォルダ", path(info)));
          } else {
            p.removedFiles.insert(info);
            deleted = true;
          }
        }
      }
    }

    std::string name = p.captions[i].empty() ? facts.name : p.captions[i];
    p.rows.push_back({result == -1 ? -1 : deleted ? 0 : 1, facts.kind, i < 2 ? versions[i] : "", name});
  }

  // The final result dialog.
  bool failed = false;
  std::string version;
  bool productOne = false;
  for (std::size_t r = 0; r < p.rows.size(); ++r) {
    const PredictedRow& row = p.rows[r];
    p.lines[r] = "・" + row.name;
    p.outcomes[r] = row.outcome == 0 ? "：　削除しました" : row.outcome == 1 ? "：　既に削除されています" : "：　削除できませんでした";
    failed = failed || row.outcome == -1;
    if (row.kind == 1) {
      productOne = true;
      version = row.version;
    }
  }
  if (failed) p.advice = "インストール情報の削除に失敗しました。\r\nパソコンを再起動後、本ソフトを再実行してください。";
  else if (!productOne || version.empty()) p.advice = "パソコンを再起動後、ルヴェンタをインストールしてください。";
  else if (version.size() >= 5 && version[4] == '0') p.advice = "パソコンを再起動後、ルヴェンタ [" + version + "]をインストールしてください。";
  else p.advice = "パソコンを再起動後、ルヴェンタ [" + (version.substr(0, 4) + "0") + "]→[" + version + "] の順にインストールしてください。";
  return p;
}

}  // namespace model
