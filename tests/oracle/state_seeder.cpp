#include "tests/oracle/state_seeder.h"

#include <algorithm>
#include <cstring>

#include "tests/oracle/removal_oracle.h"

namespace model {
namespace {

const char* const ROOTS[3] = {"SOFTWARE\\ORVIQI", "SOFTWARE\\ORVIQR", ""};
const char* const KEYS[3] = {"SOFTWARE\\ORVIQI\\SolneaI\\PCI\\COMMON", "SOFTWARE\\ORVIQR\\SolneaR\\PCR\\COMMON",
                             "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R"};
const char* const FOLDER_VALUES[3] = {"プログラムフォルダ", "プログラムフォルダ", "Directory"};
const char* const FILES[3][2] = {{"T6KUB000.exe", "T2FLX000.dll"}, {"T3HMS000.exe", "T2FLX000.dll"}, {"cellprep.exe", nullptr}};
const char PARENT[] = "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R\\Parent Product";

KeyRights Convert(Rights rights) {
  return rights == Rights::Full ? KeyRights::Full : rights == Rights::ReadOnly ? KeyRights::ReadOnly : KeyRights::None;
}

void SeedNeighbours(TestMachine& target) {
  target.SetString("SOFTWARE\\ORVIQZ\\SolneaI\\PCI\\COMMON", "プログラムフォルダ", target.Path("Shared"));
  target.SetString("SOFTWARE\\ORVIQZ\\SolneaI\\PCI\\COMMON", "ミトラムＶ／Ｌ", "99990");
  target.SetString("SOFTWARE\\Fujitsu\\Install\\Other Library", "Directory", target.Path("Other"));
  target.MakeFolder("Shared");
  target.WriteFile("Shared\\T2FLX000.dll", "shared");
  target.WriteFile("Shared\\T6KUB000.exe", "shared");
  std::string infoRoot = std::string(PROGRAM_FILES) + "\\InstallShield Installation Information";
  target.MakeFolder(infoRoot + "\\{00000000-0000-0000-0000-000000000000}");
  target.WriteFile(infoRoot + "\\{00000000-0000-0000-0000-000000000000}\\setup.ilg", "other product");
  target.WriteFile(infoRoot + "\\layout.bin", "beside");
}

std::vector<std::string> SearchOrder(TestMachine& target, const std::string& folder) {
  std::vector<std::string> names;
  FindEntry entry = {};
  FindHandle search = target.Files().FindFirst(target.Path(folder + "\\*").c_str(), &entry);
  for (int found = search == FIND_HANDLE_NONE ? -1 : 0; found == 0; found = target.Files().FindNext(search, &entry))
    names.push_back(entry.name);
  if (search != FIND_HANDLE_NONE) target.Files().FindClose(search);
  return names;
}

}  // namespace

std::vector<std::unique_ptr<Holder>> Seed(Machine& machine, TestMachine& target) {
  std::vector<std::unique_ptr<Holder>> holders;
  SeedNeighbours(target);
  target.SetProgramFiles(machine.programFilesSet ? target.Path(PROGRAM_FILES).c_str() : nullptr);

  for (int i = 0; i < 3; ++i) {
    Product& product = machine.products[i];
    if (!product.installed) continue;
    const std::string key = KEYS[i];
    target.CreateKey(key);
    target.SetString(key, "InstallDate", "20200101");
    if (i < 2 && product.version != Version::Absent) {
      if (product.version == Version::Unterminated) target.SetBinary(key, "ミトラムＶ／Ｌ", VersionText(product.version));
      else target.SetString(key, "ミトラムＶ／Ｌ", VersionText(product.version));
    }
    switch (product.folder) {
      case Folder::Absent: break;
      case Folder::Empty: target.SetString(key, FOLDER_VALUES[i], ""); break;
      case Folder::Normal: target.SetString(key, FOLDER_VALUES[i], target.Path(ProductFolder(i))); break;
      case Folder::Bound520: target.SetString(key, FOLDER_VALUES[i], std::string(520, 'f')); break;
      case Folder::TooLong521: target.SetString(key, FOLDER_VALUES[i], std::string(521, 'f')); break;
      case Folder::Unterminated521: target.SetBinary(key, FOLDER_VALUES[i], std::string(521, 'f')); break;
      case Folder::Dword: target.SetDword(key, FOLDER_VALUES[i], 0x34333231); break;
    }

    // Program files, with a same-named file in the wrong place for product 3.
    std::string folder = ProductFolder(i) + (i == 2 ? "\\PROGRAM\\bin" : "");
    target.MakeFolder(folder);
    target.WriteFile(ProductFolder(i) + "\\readme.txt", "stays");
    if (i == 2) target.WriteFile(ProductFolder(i) + "\\cellprep.exe", "not in bin");
    for (int f = 0; f < 2 && FILES[i][f]; ++f) {
      if (product.files[f] == File::Absent) continue;
      std::string file = folder + "\\" + FILES[i][f];
      target.WriteFile(file, "program");
      if (product.files[f] == File::ReadOnly) target.SetReadOnly(file);
      if (product.files[f] == File::HeldOpen) holders.push_back(target.HoldOpen(file));
    }

    if (product.info != InfoFolder::Absent) {
      std::string info = InfoFolderOf(i);
      target.MakeFolder(info);
      if (product.info == InfoFolder::FilesAndSubfolder) {
        target.MakeFolder(info + "\\Disk1");
        target.WriteFile(info + "\\Disk1\\data.cab", "inside");
      }
      for (const InfoFile& file : product.infoFiles) {
        std::string path = info + "\\" + file.name;
        target.WriteFile(path, "info");
        if (file.hidden) target.SetHidden(path);
        if (file.state == File::ReadOnly) target.SetReadOnly(path);
        if (file.state == File::HeldOpen) holders.push_back(target.HoldOpen(path));
      }
      std::vector<std::string> order = SearchOrder(target, info);
      std::stable_sort(product.infoFiles.begin(), product.infoFiles.end(),
                       [&](const InfoFile& left, const InfoFile& right) {
                         return std::find(order.begin(), order.end(), left.name) <
                                std::find(order.begin(), order.end(), right.name);
                       });
    }

    if (i == 2 && product.parent != Parent::Absent) {
      target.CreateKey(std::string(PARENT) + "\\OtherProduct");
      if (product.parent != Parent::ParentOnly) target.SetString(std::string(PARENT) + "\\SolneaI", "Version", "1");
      if (product.parent == Parent::SubkeyWithSubkeys) target.CreateKey(std::string(PARENT) + "\\SolneaI\\Component");
      if (product.parent == Parent::SubkeyReadOnly) target.RestrictKey(std::string(PARENT) + "\\SolneaI", KeyRights::ReadOnly);
      if (product.parent == Parent::ParentReadOnly) target.RestrictKey(PARENT, KeyRights::ReadOnly);
    }
    // Restrictions last, deepest first: seeding below a restricted key would fail.
    if (product.keyRights != Rights::Full) target.RestrictKey(key, Convert(product.keyRights));
    if (i < 2) {
      target.CreateKey(ROOTS[i]);
      if (product.rootRights != Rights::Full) target.RestrictKey(ROOTS[i], Convert(product.rootRights));
    }
  }
  return holders;
}

}  // namespace model
