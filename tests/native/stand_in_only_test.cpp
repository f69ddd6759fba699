// Cases that only the stand-ins can set up: a process snapshot that cannot be taken.
#include <gtest/gtest.h>

#include "platform/native/fake_processes.h"
#include "platform/native/fake_registry.h"
#include "platform/native/posix_files.h"
#include "tests/support/recording_user.h"
#include "core/install_info_engine.h"

namespace {

TEST(StandInOnly, WhenNoSnapshotCanBeTakenNothingCountsAsRunning) {
  FakeRegistry registry;
  PosixFiles files;
  FakeProcesses processes;
  RecordingUser user;
  processes.running = {"T6KQWN00.exe", "SolneaInsDel.exe", "SolneaInsDel.exe"};
  processes.snapshotFails = true;
  InstallInfoEngine engine(PlatformApis{registry, files, processes, user});
  EXPECT_EQ(engine.RunStartupChecks(), 0);
  EXPECT_TRUE(user.messages.empty());
}

TEST(StandInOnly, TheSelfCheckComparesTheFileNameTakenAtACharacterBoundary) {
  FakeRegistry registry;
  PosixFiles files;
  FakeProcesses processes;
  RecordingUser user;
  // ソ ends in 0x5C: a byte-wise split would look for "ルネア削除.exe".
  processes.modulePath = "C:\\ツール\\ソルネア削除.exe";
  processes.running = {"ソルネア削除.exe", "ルネア削除.exe"};
  InstallInfoEngine engine(PlatformApis{registry, files, processes, user});
  EXPECT_EQ(engine.IsProgramRunning(nullptr), 0) << "one copy alone";
  processes.running.push_back("ソルネア削除.EXE");
  EXPECT_EQ(engine.IsProgramRunning(nullptr), 1);
}

}  // namespace
