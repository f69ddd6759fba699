// Seeded machine states, each run through the start-up checks and a removal run and
// compared with the oracle: results, messages, rows, final texts, and a full
// registry and folder snapshot before and after. INSDEL_SEED and INSDEL_STATES
// choose the states; a failure prints the command that replays it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "core/final_result_texts.h"
#include "core/install_info_engine.h"
#include "tests/oracle/removal_oracle.h"
#include "tests/oracle/state_seeder.h"
#include "tests/support/counting_apis.h"
#include "tests/support/machine_test.h"
#include "tests/support/recording_user.h"

namespace {

const std::uint64_t FIXED_SEED = 20261211;

// A number from the environment; "random" asks for a seed from the clock.
std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text && std::strcmp(text, "random") == 0)
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
}

bool MatchesGetenvMessage(const std::string& text) {
  const std::string head = "ProgramFilesの場所が取得できません。\r\n処理を終了します。\r\n\r\n　[getenv：";
  const std::string tail = "]\r\n　[ProgramFiles]";
  return text.size() > head.size() + tail.size() && text.compare(0, head.size(), head) == 0 &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::set<std::string> Removed(const std::map<std::string, std::string>& before,
                              const std::map<std::string, std::string>& after, std::string& changes) {
  SnapshotDiff diff = Diff(before, after);
  changes += diff.changes;
  return std::set<std::string>(diff.removed.begin(), diff.removed.end());
}

std::string Join(const std::set<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += "[" + item + "]";
  return text;
}

// Runs one state; returns an empty text when the code did what the oracle says.
std::string RunState(std::uint64_t seed) {
  std::unique_ptr<TestMachine> machine = MakeTestMachine();
  model::Random random(seed);
  model::Machine state = model::Generate(random, !machine->IsReal());
  auto holders = model::Seed(state, *machine);
  auto path = [&](const std::string& relative) { return machine->Path(relative); };
  model::Prediction expected = model::Predict(state, path);

  auto registryBefore = machine->RegistrySnapshot();
  auto filesBefore = machine->FileSnapshot();

  RecordingUser user;
  UnpausedFiles files(machine->Files());
  CountingRegistry registry(machine->Registry());
  InstallInfoEngine engine(PlatformApis{registry, files, machine->Processes(), user});
  std::string problems;
  auto check = [&](bool ok, const std::string& what) {
    if (!ok) problems += "\n  " + what;
  };

  int startup = engine.RunStartupChecks();
  check(startup == expected.startup, "start-up " + std::to_string(startup) + " expected " +
                                          std::to_string(expected.startup));
  int results[3] = {0, 0, 0};
  ResultRows rows;
  if (startup == 0) {
    engine.m_dwRemovedMask = 0;
    for (int i = 0; i < 3; ++i)
      if (state.ticked & PRODUCT_ORDER[i]) results[i] = engine.RemoveProduct(PRODUCT_ORDER[i]);
    for (int i = 0; i < 3; ++i) {
      if (!(state.ticked & PRODUCT_ORDER[i])) continue;
      std::string caption = user.CaptionOf(GetProductInfo(PRODUCT_ORDER[i]).checkBoxId);
      if (caption.empty()) caption = GetProductInfo(PRODUCT_ORDER[i]).displayName;
      rows.Add(MakeResultRow(OutcomeOf(results[i], PRODUCT_ORDER[i], engine.m_dwRemovedMask), PRODUCT_ORDER[i],
                             engine.VersionText(PRODUCT_ORDER[i]), caption.c_str()));
    }
    for (int i = 0; i < 3; ++i)
      check(results[i] == expected.results[i], "product " + std::to_string(i + 1) + " result " +
                                                   std::to_string(results[i]) + " expected " +
                                                   std::to_string(expected.results[i]));
  }
  holders.clear();
  check(registry.open == 0, "a registry key was left open");

  check(user.messages.size() == expected.messages.size(),
        std::to_string(user.messages.size()) + " messages, expected " + std::to_string(expected.messages.size()));
  for (std::size_t m = 0; m < user.messages.size() && m < expected.messages.size(); ++m) {
    bool same = expected.messages[m] == model::GETENV_MESSAGE ? MatchesGetenvMessage(user.messages[m].text)
                                                              : user.messages[m].text == expected.messages[m];
    check(same, "message " + std::to_string(m) + ": [" + user.messages[m].text + "] expected [" +
                    expected.messages[m] + "]");
    check(user.messages[m].type == 0x10 && user.messages[m].caption == TOOL_TITLE, "message box type or caption");
  }
  for (int i = 0; i < 2; ++i)
    check(user.CaptionOf(GetProductInfo(PRODUCT_ORDER[i]).checkBoxId) == expected.captions[i],
          "caption " + std::to_string(i + 1) + ": " + user.CaptionOf(GetProductInfo(PRODUCT_ORDER[i]).checkBoxId));

  std::string changes;
  std::set<std::string> removedKeys = Removed(registryBefore, machine->RegistrySnapshot(), changes);
  std::set<std::string> removedFiles = Removed(filesBefore, machine->FileSnapshot(), changes);
  check(changes.empty(), "outside what was removed:" + changes);
  check(removedKeys == expected.removedRegistry,
        "registry removed " + Join(removedKeys) + " expected " + Join(expected.removedRegistry));
  check(removedFiles == expected.removedFiles,
        "files removed " + Join(removedFiles) + " expected " + Join(expected.removedFiles));

  if (startup == 0) {
    check(rows.GetSize() == expected.rows.size(), "row count");
    for (std::size_t r = 0; r < rows.GetSize() && r < expected.rows.size(); ++r) {
      const model::PredictedRow& want = expected.rows[r];
      check(rows[r].nResult == want.outcome && rows[r].nKind == want.kind && rows[r].szVersion == want.version &&
                rows[r].szName == want.name,
            "row " + std::to_string(r) + ": " + std::to_string(rows[r].nResult) + " " + rows[r].szName);
    }
    FinalResultTexts texts = ComposeFinalResultTexts(rows);
    for (std::size_t r = 0; r < 3; ++r) {
      check(texts.names[r] == expected.lines[r], "line " + std::to_string(r) + ": " + texts.names[r]);
      check(texts.outcomes[r] == expected.outcomes[r], "outcome " + std::to_string(r) + ": " + texts.outcomes[r]);
    }
    check(texts.advice == expected.advice, "advice: " + texts.advice + " expected " + expected.advice);
  }
  return problems.empty() ? "" : model::Describe(state) + problems;
}

TEST(RandomStates, TheCodeDoesWhatTheOracleSays) {
  const bool real = MakeTestMachine()->IsReal();
  const std::uint64_t first = EnvNumber("INSDEL_SEED", FIXED_SEED);
  const std::uint64_t count = EnvNumber("INSDEL_STATES", real ? 200 : 10000);
  int failures = 0;
  for (std::uint64_t n = 0; n < count && failures < 5; ++n) {
    std::uint64_t seed = first + n;
    std::string problem = RunState(seed);
    if (!problem.empty()) {
      ++failures;
      ADD_FAILURE() << "seed " << seed << ": " << problem << "\n  replay: INSDEL_SEED=" << seed
                    << " INSDEL_STATES=1 <this test binary> --gtest_filter=RandomStates.*";
    }
  }
  std::printf("random states: %llu run from seed %llu on %s\n", static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(first), real ? "Wine" : "the stand-ins");
}

}  // namespace
