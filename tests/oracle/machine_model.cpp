#include "tests/oracle/machine_model.h"

namespace model {

std::string VersionText(Version version) {
  switch (version) {
    case Version::Short: return "071";
    case Version::FiveEndingInZero: return "12340";
    case Version::Five: return "12345";
    case Version::TooLong: return "123456";
    case Version::Unterminated: return "654321";
    case Version::Absent: break;
  }
  return "";
}

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

namespace {

template <typename T, std::size_t N>
T Pick(Random& random, const T (&choices)[N]) {
  return choices[random.Below(N)];
}

File PickFile(Random& random) {
  std::uint32_t roll = random.Below(100);
  if (roll < 35) return File::Absent;
  if (roll < 88) return File::Present;
  if (roll < 96) return File::ReadOnly;
  return File::HeldOpen;
}

}  // namespace

Machine Generate(Random& random, bool deleteHonoursDacl) {
  Machine machine;
  for (int i = 0; i < 3; ++i) {
    Product& product = machine.products[i];
    product.installed = random.Chance(75);
    if (!product.installed) continue;
    if (i < 2) {
      std::uint32_t roll = random.Below(100);
      product.rootRights = roll < 3 ? Rights::ReadOnly : roll < 5 ? Rights::None : Rights::Full;
      const Version versions[] = {Version::Absent, Version::Short, Version::FiveEndingInZero,
                                  Version::FiveEndingInZero, Version::Five, Version::TooLong, Version::Unterminated};
      product.version = Pick(random, versions);
    }
    product.keyRights = random.Chance(6) ? Rights::ReadOnly : Rights::Full;
    const Folder folders[] = {Folder::Absent, Folder::Empty, Folder::Normal, Folder::Normal, Folder::Normal,
                              Folder::Normal, Folder::Bound520, Folder::TooLong521, Folder::Unterminated521,
                              Folder::Dword};
    product.folder = Pick(random, folders);
    for (File& file : product.files) file = PickFile(random);
    if (i == 2) product.files[1] = File::Absent;  // one program file only
    const InfoFolder infos[] = {InfoFolder::Absent, InfoFolder::Empty, InfoFolder::Files, InfoFolder::Files,
                                InfoFolder::FilesAndSubfolder};
    product.info = Pick(random, infos);
    if (product.info == InfoFolder::Files || product.info == InfoFolder::FilesAndSubfolder) {
      std::uint32_t count = 1 + random.Below(4);
      for (std::uint32_t n = 0; n < count; ++n) {
        File state = random.Chance(90) ? File::Present : random.Chance(70) ? File::ReadOnly : File::HeldOpen;
        product.infoFiles.push_back({"f" + std::to_string(n) + ".dat", random.Chance(30), state});
      }
    }
    if (i == 2) {
      const Parent parents[] = {Parent::Absent, Parent::ParentOnly, Parent::Subkey, Parent::Subkey,
                                Parent::Subkey, Parent::SubkeyWithSubkeys, Parent::SubkeyReadOnly,
                                Parent::ParentReadOnly};
      product.parent = Pick(random, parents);
      if (product.parent == Parent::SubkeyReadOnly && !deleteHonoursDacl) product.parent = Parent::Subkey;
    }
  }
  machine.programFilesSet = !random.Chance(3);
  machine.ticked = 1 + random.Below(7);
  return machine;
}

std::string Describe(const Machine& machine) {
  std::string text = "ticked " + std::to_string(machine.ticked) + (machine.programFilesSet ? "" : ", no ProgramFiles");
  for (int i = 0; i < 3; ++i) {
    const Product& p = machine.products[i];
    text += "; product " + std::to_string(i + 1) + ": ";
    if (!p.installed) {
      text += "absent";
      continue;
    }
    text += "root " + std::to_string(int(p.rootRights)) + " key " + std::to_string(int(p.keyRights)) + " version " +
            std::to_string(int(p.version)) + " folder " + std::to_string(int(p.folder)) + " files " +
            std::to_string(int(p.files[0])) + std::to_string(int(p.files[1])) + " info " +
            std::to_string(int(p.info)) + "/" + std::to_string(p.infoFiles.size()) + " parent " +
            std::to_string(int(p.parent));
  }
  return text;
}

}  // namespace model
