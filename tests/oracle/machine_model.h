// A machine state as the removal oracle and the state generator see it: per product,
// what the registry and the folders hold, and in what condition.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace model {

enum class Rights { Full, ReadOnly, None };
enum class Version { Absent, Short, FiveEndingInZero, Five, TooLong, Unterminated };
enum class Folder { Absent, Empty, Normal, Bound520, TooLong521, Unterminated521, Dword };
enum class File { Absent, Present, ReadOnly, HeldOpen };
enum class InfoFolder { Absent, Empty, Files, FilesAndSubfolder };
enum class Parent { Absent, ParentOnly, Subkey, SubkeyWithSubkeys, SubkeyReadOnly, ParentReadOnly };

struct InfoFile {
  std::string name;
  bool hidden;
  File state;  // Present, ReadOnly or HeldOpen
};

struct Product {
  bool installed = false;       // its keys exist
  Rights rootRights = Rights::Full;  // products 1 and 2: the root key
  Rights keyRights = Rights::Full;   // the key holding version and folder: Full or ReadOnly
  Version version = Version::Absent;
  Folder folder = Folder::Absent;
  File files[2] = {File::Absent, File::Absent};
  InfoFolder info = InfoFolder::Absent;
  std::vector<InfoFile> infoFiles;  // in the order the directory search returns them
  Parent parent = Parent::Absent;   // product 3 only
};

struct Machine {
  Product products[3];  // kinds 1, 2, 4
  bool programFilesSet = true;
  std::uint32_t ticked = 7;  // ProductKind bits
};

// The version texts the generator writes.
std::string VersionText(Version version);

// Deterministic, the same on every compiler: splitmix64.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // 0 .. bound-1
  std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }
  bool Chance(std::uint32_t percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

// deleteHonoursDacl: false where a key's DACL does not stop its deletion (Wine grants
// DELETE whatever the DACL says), so that such states are not generated there.
Machine Generate(Random& random, bool deleteHonoursDacl = true);
std::string Describe(const Machine& machine);

}  // namespace model
