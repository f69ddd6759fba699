// Fixture for cases that run the engine on a fresh test machine.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
