#include "tests/e2e/installation.h"

#include <windows.h>

#include <stdexcept>

#include "tests/e2e/tool_driver.h"
#include "tests/support/snapshot_lines.h"
#include "tests/support/test_registry_roots.h"
#include "tests/support/win32_seed.h"

namespace e2e {

const char RUVENTA_CODE[] = "{7D1E36B2-90AF-4C1D-B7E4-2A6F0E9C5B13}";
const char KESRA_CODE[] = "{C4A9F017-3B6E-4D82-9E15-60D7B8A2F4C9}";
const char SELDA_CODE[] = "{3E8B2C71-A4D9-41F6-8F62-7C09B5DA4170}";

namespace {

const char RUVENTA_KEY[] = "SOFTWARE\\ORVIQI\\SolneaI\\PCI\\COMMON";
const char KESRA_KEY[] = "SOFTWARE\\ORVIQR\\SolneaR\\PCR\\COMMON";
const char SELDA_KEY[] = "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R";
const char VERSION_VALUE[] = "ミトラムＶ／Ｌ";
const char FOLDER_VALUE[] = "プログラムフォルダ";
const char OTHER_CODE[] = "{00000000-1111-2222-3333-444444444444}";

void SetString(const std::string& key, const std::string& name, const std::string& text) {
  win32_seed::SetValue(key, name, REG_SZ, text + '\0');
}

void SeedInstallShield(const Installation& installation, const char* code) {
  std::string folder = installation.InstallShieldFolder(code);
  win32_seed::MakeFolders(folder);
  win32_seed::WriteFile(folder + "\\setup.ini", "[Startup]\r\n");
  win32_seed::WriteFile(folder + "\\data1.cab", "cab");
}

bool Covers(const std::string& removal, const std::string& name, bool registry) {
  if (name == removal) return true;
  if (name.compare(0, removal.size(), removal) != 0) return false;
  char next = name[removal.size()];
  return next == '\\' || (registry && name.compare(removal.size(), 2, " :") == 0);
}

void Erase(std::map<std::string, std::string>& lines, const std::vector<std::string>& removals, bool registry,
           const char* what) {
  for (const std::string& removal : removals) {
    std::size_t erased = 0;
    for (auto it = lines.begin(); it != lines.end();) {
      if (Covers(removal, it->first, registry)) {
        it = lines.erase(it);
        ++erased;
      } else {
        ++it;
      }
    }
    if (erased == 0) throw std::logic_error(std::string("nothing seeded at ") + what + " " + ToUtf8(removal));
  }
}

void Compare(const std::map<std::string, std::string>& expected, const std::map<std::string, std::string>& actual,
             const char* what, std::string& out) {
  for (const auto& line : expected) {
    auto found = actual.find(line.first);
    if (found == actual.end()) out += std::string("\n  ") + what + " gone: " + ToUtf8(line.first);
    else if (found->second != line.second) out += std::string("\n  ") + what + " changed: " + ToUtf8(line.first);
  }
  for (const auto& line : actual)
    if (expected.count(line.first) == 0) out += std::string("\n  ") + what + " left: " + ToUtf8(line.first);
}

}  // namespace

Installation::Installation(const std::string& dataRoot, const std::string& programFiles)
    : dataRoot_(dataRoot), programFiles_(programFiles) {}

std::string Installation::ProgramFolder(const char* product) const {
  // ソ ends in byte 0x5C: a tool that splits paths byte by byte trips over it.
  return dataRoot_ + "\\ソルネア\\" + product;
}

std::string Installation::InstallShieldFolder(const char* code) const {
  return programFiles_ + "\\InstallShield Installation Information\\" + code;
}

std::string Installation::Relative(const std::string& path) const { return path.substr(dataRoot_.size() + 1); }

void Installation::Seed(const InstallOptions& options) {
  win32_seed::MakeFolders(dataRoot_);
  // Neighbours that no run may touch.
  SetString("SOFTWARE\\ORVIQZ\\SolneaZ", "プログラムフォルダ", ProgramFolder("ルヴェンタ"));
  SeedInstallShield(*this, OTHER_CODE);

  if (options.ruventa) {
    std::string folder = ProgramFolder("ルヴェンタ");
    if (!options.ruventaVersion.empty()) SetString(RUVENTA_KEY, VERSION_VALUE, options.ruventaVersion);
    SetString(RUVENTA_KEY, FOLDER_VALUE, folder);
    win32_seed::MakeFolders(folder);
    win32_seed::WriteFile(folder + "\\T6KUB000.exe", "ruventa exe");
    win32_seed::WriteFile(folder + "\\T2FLX000.dll", "ruventa dll");
    win32_seed::WriteFile(folder + "\\T6KUB000.ini", "stays");
    SeedInstallShield(*this, RUVENTA_CODE);
  }
  if (options.kesra) {
    std::string folder = ProgramFolder("ケスラ");
    SetString(KESRA_KEY, VERSION_VALUE, options.kesraVersion);
    SetString(KESRA_KEY, FOLDER_VALUE, folder);
    win32_seed::MakeFolders(folder);
    win32_seed::WriteFile(folder + "\\T3HMS000.exe", "kesra exe");
    win32_seed::WriteFile(folder + "\\T2FLX000.dll", "kesra dll");
    win32_seed::WriteFile(folder + "\\readme.txt", "stays");
    SeedInstallShield(*this, KESRA_CODE);
  }
  if (options.selda) {
    std::string folder = ProgramFolder("セルダ");
    SetString(SELDA_KEY, "Directory", folder);
    SetString(std::string(SELDA_KEY) + "\\Parent Product\\SolneaI", "Version", "1.0");
    SetString(std::string(SELDA_KEY) + "\\Parent Product\\SolneaX", "Version", "stays");
    win32_seed::MakeFolders(folder + "\\PROGRAM\\bin");
    win32_seed::WriteFile(folder + "\\PROGRAM\\bin\\cellprep.exe", "selda exe");
    win32_seed::WriteFile(folder + "\\PROGRAM\\bin\\cellcore.dll", "stays");
    SeedInstallShield(*this, SELDA_CODE);
  }
}

void Installation::Wipe() {
  for (const std::string& key : TEST_REGISTRY_ROOTS) win32_seed::WipeKey(key);
  win32_seed::WipeFolder(dataRoot_);
}

MachineState Installation::Snapshot() const {
  return {win32_seed::RegistrySnapshot(TEST_REGISTRY_ROOTS), win32_seed::FileSnapshot(dataRoot_)};
}

std::vector<std::string> SandboxEnvironment(const Installation& installation) {
  return {"ProgramFiles=" + installation.ProgramFiles(), "ProgramFiles(x86)=" + installation.ProgramFiles()};
}

Removals RuventaRemovals(const Installation& installation) {
  std::string folder = installation.Relative(installation.ProgramFolder("ルヴェンタ"));
  return {{}, {folder + "\\T6KUB000.exe", folder + "\\T2FLX000.dll",
               installation.Relative(installation.InstallShieldFolder(RUVENTA_CODE))}};
}

Removals KesraRemovals(const Installation& installation) {
  std::string folder = installation.Relative(installation.ProgramFolder("ケスラ"));
  return {{SnapshotValueLine(KESRA_KEY, VERSION_VALUE)},
          {folder + "\\T3HMS000.exe", folder + "\\T2FLX000.dll",
           installation.Relative(installation.InstallShieldFolder(KESRA_CODE))}};
}

Removals SeldaRemovals(const Installation& installation) {
  std::string folder = installation.Relative(installation.ProgramFolder("セルダ"));
  return {{SnapshotKeyLine(std::string(SELDA_KEY) + "\\Parent Product\\SolneaI")},
          {folder + "\\PROGRAM\\bin\\cellprep.exe", installation.Relative(installation.InstallShieldFolder(SELDA_CODE))}};
}

Removals operator+(Removals left, const Removals& right) {
  left.registry.insert(left.registry.end(), right.registry.begin(), right.registry.end());
  left.files.insert(left.files.end(), right.files.begin(), right.files.end());
  return left;
}

MachineState Without(const MachineState& before, const Removals& removals) {
  MachineState expected = before;
  Erase(expected.registry, removals.registry, true, "registry");
  Erase(expected.files, removals.files, false, "file");
  return expected;
}

std::string Differences(const MachineState& expected, const MachineState& actual) {
  std::string out;
  Compare(expected.registry, actual.registry, "registry entry", out);
  Compare(expected.files, actual.files, "file", out);
  return out;
}

}  // namespace e2e
