// Fixture for cases that run the engine on a fresh test machine.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <map>
#include <string>
#include <vector>

#include "tests/support/counting_apis.h"
#include "tests/support/recording_user.h"
#include "tests/support/test_machine.h"

// The keys of the products, as the tool names them.
inline const std::string KEY_RUVENTA_ROOT = "SOFTWARE\\ORVIQI";
inline const std::string KEY_RUVENTA = "SOFTWARE\\ORVIQI\\SolneaI\\PCI\\COMMON";
inline const std::string KEY_KESRA_ROOT = "SOFTWARE\\ORVIQR";
inline const std::string KEY_KESRA = "SOFTWARE\\ORVIQR\\SolneaR\\PCR\\COMMON";
inline const std::string KEY_SELDA = "SOFTWARE\\Fujitsu\\Install\\Securecrypto Library R";
inline const std::string KEY_SELDA_PARENT = KEY_SELDA + "\\Parent Product";
inline const std::string VALUE_VERSION = "ミトラムＶ／Ｌ";
inline const std::string VALUE_FOLDER = "プログラムフォルダ";

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine = MakeTestMachine();
    registry.reset(new CountingRegistry(machine->Registry()));
    processes.reset(new CountingProcesses(machine->Processes()));
    engine.reset(new InstallInfoEngine(PlatformApis{*registry, machine->Files(), *processes, user}));
  }
  void TearDown() override {
    EXPECT_EQ(registry->open, 0) << "a registry key was left open";
    EXPECT_EQ(processes->open, 0) << "a process snapshot was left open";
    engine.reset();
    machine.reset();
  }

  std::string MessageTexts() const {
    std::string all;
    for (const auto& message : user.messages) all += "[" + message.text + "]";
    return all;
  }

  std::unique_ptr<TestMachine> machine;
  std::unique_ptr<CountingRegistry> registry;
  std::unique_ptr<CountingProcesses> processes;
  RecordingUser user;
  std::unique_ptr<InstallInfoEngine> engine;
};

// How a snapshot changed: the entries that are gone, and anything that changed or
// appeared, which no step of the tool may cause.
struct SnapshotDiff {
  std::vector<std::string> removed;
  std::string changes;
};

inline SnapshotDiff Diff(const std::map<std::string, std::string>& before,
                         const std::map<std::string, std::string>& after) {
  SnapshotDiff diff;
  for (const auto& entry : before) {
    auto it = after.find(entry.first);
    if (it == after.end()) diff.removed.push_back(entry.first);
    else if (it->second != entry.second) diff.changes += " changed:" + entry.first;
  }
  for (const auto& entry : after)
    if (!before.count(entry.first)) diff.changes += " appeared:" + entry.first;
  return diff;
}

// What a step removed; fails the case when anything else changed.
inline std::vector<std::string> RemovedEntries(const std::map<std::string, std::string>& before,
                                               const std::map<std::string, std::string>& after) {
  SnapshotDiff diff = Diff(before, after);
  EXPECT_EQ(diff.changes, "");
  return diff.removed;
}

// The sandbox's program-files folder and what an installation leaves in it.
class InstallationTest : public MachineTest {
 protected:
  static constexpr const char* PROGRAM_FILES = "Program Files (x86)";
  static constexpr const char* IS_ROOT = "Program Files (x86)\\InstallShield Installation Information";

  void SetUp() override {
    MachineTest::SetUp();
    machine->MakeFolder(IS_ROOT);
    machine->SetProgramFiles(machine->Path(PROGRAM_FILES).c_str());
    // Neighbours that no step may touch.
    machine->MakeFolder(std::string(IS_ROOT) + "\\{00000000-0000-0000-0000-000000000000}");
    machine->WriteFile(std::string(IS_ROOT) + "\\{00000000-0000-0000-0000-000000000000}\\setup.ini", "other");
    machine->WriteFile(std::string(IS_ROOT) + "\\layout.bin", "beside");
    machine->SetString("SOFTWARE\\ORVIQZ\\SolneaI\\PCI\\COMMON", VALUE_FOLDER, "elsewhere");
  }

  static std::string IsFolder(const char* code) { return std::string(IS_ROOT) + "\\" + code; }

  std::vector<std::string> Removed(const std::map<std::string, std::string>& before) {
    return RemovedEntries(before, machine->FileSnapshot());
  }
};
