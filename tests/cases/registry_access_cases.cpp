// Registry access on the test machine's registry: what each operation returns, and
// that it deletes nothing it was not asked to.
#include <cstring>

#include "tests/support/machine_test.h"

namespace {

class RegistryAccess : public MachineTest {};

const std::string TEST_KEY = "SOFTWARE\\ORVIQI\\SolneaI\\PCI\\COMMON";

TEST_F(RegistryAccess, ProbeOfAnAbsentKeyOpensOnceAndReportsAbsent) {
  EXPECT_EQ(engine->ProbeKeyAccess("SOFTWARE\\ORVIQI"), 2);
  EXPECT_EQ(registry->opened.size(), 1u);
}

TEST_F(RegistryAccess, ProbeClassifiesTheRightsTheKeyGrants) {
  struct Case {
    KeyRights rights;
    int probe;
    RegStatus lastOpen;
    std::size_t opens;
  } cases[] = {
      {KeyRights::Full, 0, REG_STATUS_SUCCESS, 1},
      {KeyRights::ReadOnly, -2, REG_STATUS_SUCCESS, 2},
      {KeyRights::None, -1, REG_STATUS_ACCESS_DENIED, 2},
  };
  for (const Case& c : cases) {
    machine->CreateKey(KEY_RUVENTA_ROOT);
    machine->RestrictKey(KEY_RUVENTA_ROOT, c.rights);
    registry->opened.clear();
    RegStatus lastOpen = -99;
    EXPECT_EQ(engine->ProbeKeyAccess(KEY_RUVENTA_ROOT.c_str(), &lastOpen), c.probe) << int(c.rights);
    EXPECT_EQ(lastOpen, c.lastOpen) << int(c.rights);
    EXPECT_EQ(registry->opened.size(), c.opens) << int(c.rights);
    EXPECT_EQ(registry->open, 0) << "the probe closes what it opened";
    machine->RestrictKey(KEY_RUVENTA_ROOT, KeyRights::Full);
  }
}

TEST_F(RegistryAccess, ReadReturnsThePlatformStatus) {
  machine->CreateKey(TEST_KEY);
  machine->SetString(TEST_KEY, VALUE_VERSION, "12340");
  machine->SetString(TEST_KEY, "long", "123456");

  char data[6];
  std::uint32_t size = sizeof data;
  std::memset(data, 0, sizeof data);
  EXPECT_EQ(engine->ReadRegistryValue(TEST_KEY.c_str(), VALUE_VERSION.c_str(), data, &size), 0);
  EXPECT_EQ(std::memcmp(data, "12340\0", 6), 0);

  size = sizeof data;
  EXPECT_EQ(engine->ReadRegistryValue(TEST_KEY.c_str(), "long", data, &size), REG_STATUS_MORE_DATA);
  size = sizeof data;
  EXPECT_EQ(engine->ReadRegistryValue(TEST_KEY.c_str(), "missing", data, &size), REG_STATUS_FILE_NOT_FOUND);

  int queriesBefore = registry->queries;
  size = sizeof data;
  EXPECT_EQ(engine->ReadRegistryValue("SOFTWARE\\ORVIQI\\Absent", VALUE_VERSION.c_str(), data, &size),
            REG_STATUS_FILE_NOT_FOUND);
  EXPECT_EQ(registry->queries, queriesBefore) << "no query on an absent key";

  machine->RestrictKey(TEST_KEY, KeyRights::ReadOnly);
  size = sizeof data;
  EXPECT_EQ(engine->ReadRegistryValue(TEST_KEY.c_str(), VALUE_VERSION.c_str(), data, &size),
            REG_STATUS_ACCESS_DENIED);
  machine->RestrictKey(TEST_KEY, KeyRights::Full);
}

TEST_F(RegistryAccess, ReadCopiesDataOfAnyType) {
  machine->CreateKey(TEST_KEY);
  machine->SetDword(TEST_KEY, "number", 0x31323334);
  char data[6] = {};
  std::uint32_t size = sizeof data;
  EXPECT_EQ(engine->ReadRegistryValue(TEST_KEY.c_str(), "number", data, &size), 0);
  EXPECT_EQ(std::memcmp(data, "4321", 4), 0);
}

TEST_F(RegistryAccess, DeleteOfAbsentThingsReportsNotFoundAndDeletesNothing) {
  machine->CreateKey(KEY_SELDA_PARENT + "\\Other");
  machine->SetString(KEY_SELDA, "Directory", "C:\\x");
  auto before = machine->RegistrySnapshot();

  EXPECT_EQ(engine->DeleteRegistryEntry(2, "SOFTWARE\\Absent\\Key", "v"), REG_STATUS_FILE_NOT_FOUND);
  EXPECT_EQ(registry->deletions, 0) << "no deletion call on an absent key";
  EXPECT_EQ(engine->DeleteRegistryEntry(2, KEY_SELDA.c_str(), "missing"), REG_STATUS_FILE_NOT_FOUND);
  EXPECT_EQ(engine->DeleteRegistryEntry(1, KEY_SELDA_PARENT.c_str(), "SolneaI"), REG_STATUS_FILE_NOT_FOUND);
  EXPECT_EQ(machine->RegistrySnapshot(), before);
}

TEST_F(RegistryAccess, DeleteRemovesExactlyTheNamedValueOrSubkey) {
  machine->CreateKey(KEY_SELDA_PARENT + "\\SolneaI");
  machine->SetString(KEY_SELDA_PARENT + "\\SolneaI", "inside", "gone with the key");
  machine->CreateKey(KEY_SELDA_PARENT + "\\Other");
  machine->SetString(KEY_SELDA, "Directory", "C:\\x");
  machine->SetString(KEY_SELDA, "Keep", "y");
  auto before = machine->RegistrySnapshot();

  EXPECT_EQ(engine->DeleteRegistryEntry(1, KEY_SELDA_PARENT.c_str(), "SolneaI"), 0);
  EXPECT_EQ(engine->DeleteRegistryEntry(2, KEY_SELDA.c_str(), "Keep"), 0);

  auto after = machine->RegistrySnapshot();
  for (const auto& line : before) {
    bool targeted = line.first.find("solneai") != std::string::npos || line.first.find(":keep") != std::string::npos;
    EXPECT_EQ(after.count(line.first), targeted ? 0u : 1u) << line.first;
  }
  EXPECT_EQ(after.size(), before.size() - 3);
}

TEST_F(RegistryAccess, DeleteRefusesASubkeyThatHasSubkeys) {
  machine->CreateKey(KEY_SELDA_PARENT + "\\SolneaI\\Deeper");
  auto before = machine->RegistrySnapshot();
  RegStatus status = engine->DeleteRegistryEntry(1, KEY_SELDA_PARENT.c_str(), "SolneaI");
  EXPECT_EQ(status, REG_STATUS_ACCESS_DENIED);
  EXPECT_EQ(machine->RegistrySnapshot(), before);
}

}  // namespace
