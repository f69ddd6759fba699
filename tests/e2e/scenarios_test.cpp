// The tool as a user meets it: the real executable under Wine, seeded registry and
// folders, every window read and answered from outside.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/installation.h"
#include "tests/e2e/tool_driver.h"
#include "tests/e2e/tool_texts.h"
#include "tests/support/win32_seed.h"

namespace e2e {
namespace {

void ExpectText(const std::string& expected, const std::string& actual, const std::string& what) {
  EXPECT_TRUE(expected == actual) << what << "\n  expected \"" << ToUtf8(expected) << "\"\n  actual   \""
                                  << ToUtf8(actual) << "\"";
}

LRESULT CheckState(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0); }

class ToolScenario : public ::testing::Test {
 protected:
  ToolScenario()
      : root_("C:\\insdel-e2e-" + std::to_string(GetCurrentProcessId())),
        installation_(root_ + "\\data", root_ + "\\data\\Program Files") {}

  void SetUp() override {
    win32_seed::WipeFolder(root_);
    installation_.Wipe();
    // The tool runs as a copy under its own name, in a folder whose name holds a 0x5C trail byte.
    win32_seed::MakeFolders(ToolFolder());
    win32_seed::MakeFolders(root_ + "\\processes");
    if (!CopyFileA(BuiltTool().c_str(), ToolPath().c_str(), FALSE)) FAIL() << "cannot copy the tool";
  }

  void TearDown() override {
    processes_.clear();  // ends whatever still runs
    installation_.Wipe();
    win32_seed::WipeFolder(root_);
  }

  std::string ToolFolder() const { return root_ + "\\ソルネア ツール"; }
  std::string ToolPath() const { return ToolFolder() + "\\SolneaInsDel.exe"; }

  Process& StartTool() { return Start(ToolPath()); }
  Process& Start(const std::string& exe) {
    processes_.emplace_back(new Process(exe, SandboxEnvironment(installation_)));
    return *processes_.back();
  }
  Process& StartIdleAs(const std::string& name) {
    std::string copy = root_ + "\\processes\\" + name;
    if (!CopyFileA(BuiltIdleProcess().c_str(), copy.c_str(), FALSE)) throw DriveError("cannot copy " + copy);
    Process& idle = Start(copy);
    Sleep(300);  // listed in the process snapshot
    return idle;
  }

  SeenWindow AwaitMain(const Process& tool, const std::string& ruventa = "ルヴェンタ[12340]",
                       const std::string& kesra = "ケスラ[071]") {
    SeenWindow main = watch_.Await(tool, WindowKind::Main);
    ExpectText(TITLE, main.caption, "main dialog caption");
    ExpectText("実行", ItemText(main.hwnd, 1003), "Execute");
    ExpectText("キャンセル", ItemText(main.hwnd, 1004), "Cancel");
    ExpectText(ruventa, ItemText(main.hwnd, 1005), "check box 1005");
    ExpectText(kesra, ItemText(main.hwnd, 1007), "check box 1007");
    ExpectText("セルダ", ItemText(main.hwnd, 1008), "check box 1008");
    ExpectText(INTRO, ItemText(main.hwnd, 1006), "intro");
    ExpectText("", ItemText(main.hwnd, 1009), "status");
    for (int id : {1005, 1007, 1008}) EXPECT_EQ(BST_CHECKED, CheckState(main.hwnd, id)) << "check box " << id;
    EXPECT_EQ(GetDlgItem(main.hwnd, 1003), FocusOf(main.hwnd)) << "the focus starts on Execute";
    return main;
  }

  // A message box with only OK (a stop message) or OK and Cancel (the confirmation).
  SeenWindow AwaitMessageBox(const Process& tool, const std::string& text, bool withCancel, const Allowed& allowed) {
    SeenWindow box = watch_.Await(tool, WindowKind::MessageBox, allowed);
    ExpectText(TITLE, box.caption, "message box caption");
    ExpectText(text, box.text, "message box text");
    HWND ok = GetDlgItem(box.hwnd, IDOK);
    HWND cancel = GetDlgItem(box.hwnd, IDCANCEL);
    EXPECT_TRUE(ok != nullptr && IsWindowVisible(ok)) << "an OK button";
    EXPECT_EQ(withCancel, cancel != nullptr && IsWindowVisible(cancel)) << "a Cancel button";
    if (withCancel) {
      EXPECT_EQ(cancel, FocusOf(box.hwnd)) << "Cancel is the default";
    }
    return box;
  }

  SeenWindow AwaitConfirmation(const Process& tool, const std::string& list) {
    return AwaitMessageBox(tool, CONFIRM_HEAD + list + "\r\n", true, {{&tool, WindowKind::Main}});
  }

  SeenWindow AwaitFinal(const Process& tool, const std::vector<std::string>& names,
                        const std::vector<std::string>& outcomes, const std::string& advice) {
    SeenWindow final = watch_.Await(tool, WindowKind::Final, {{&tool, WindowKind::Main}});
    ExpectText(TITLE, final.caption, "final result caption");
    for (std::size_t i = 0; i < 3; ++i) {
      ExpectText(i < names.size() ? names[i] : "", ItemText(final.hwnd, 1010 + static_cast<int>(i)), "name row");
      ExpectText(i < outcomes.size() ? outcomes[i] : "", ItemText(final.hwnd, 1013 + static_cast<int>(i)),
                 "outcome row");
    }
    ExpectText(advice, ItemText(final.hwnd, 1009), "advice");
    ExpectText("OK", ItemText(final.hwnd, IDOK), "OK button");
    return final;
  }

  void ExpectUnchanged(const MachineState& before) {
    EXPECT_EQ("", Differences(before, installation_.Snapshot()));
  }
  void ExpectRemoved(const MachineState& before, const Removals& removals) {
    EXPECT_EQ("", Differences(Without(before, removals), installation_.Snapshot()));
  }
  Removals AllThree() {
    return RuventaRemovals(installation_) + KesraRemovals(installation_) + SeldaRemovals(installation_);
  }

  std::string root_;
  Installation installation_;
  WindowWatch watch_;
  std::vector<std::unique_ptr<Process>> processes_;
};

// Wine shows a dialog whose template is WS_VISIBLE after WM_INITDIALOG even when
// EndDialog ran in it: after a start-up refusal the main dialog may flash as the tool ends.
Allowed ShownForAMoment(const Process& tool) { return {{&tool, WindowKind::Main}}; }

// A run of all three, through confirmation and the final result, by product-1 version.
struct FullRunCase {
  const char* version;
  const char* caption;
  const char* advice;
};

class FullRun : public ToolScenario, public ::testing::WithParamInterface<FullRunCase> {};

TEST_P(FullRun, RemovesAllThreeAndAdvisesTheVersions) {
  InstallOptions options;
  options.ruventaVersion = GetParam().version;
  installation_.Seed(options);
  MachineState before = installation_.Snapshot();

  Process& tool = StartTool();
  SeenWindow main = AwaitMain(tool, GetParam().caption);
  Click(main.hwnd, 1003);
  SeenWindow confirm = AwaitConfirmation(tool, std::string("\r\n・") + GetParam().caption + "\r\n・ケスラ[071]\r\n・セルダ");
  Click(confirm.hwnd, IDOK);
  SeenWindow final = AwaitFinal(tool, {std::string("・") + GetParam().caption, "・ケスラ[071]", "・セルダ"},
                                {REMOVED, REMOVED, REMOVED}, GetParam().advice);
  ExpectText(DELETING, ItemText(main.hwnd, 1009), "status during the final result");
  PressKey(final.hwnd, VK_RETURN);
  watch_.AwaitEnd(tool);
  ExpectRemoved(before, AllThree());
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FullRun,
    ::testing::Values(
        FullRunCase{"12340", "ルヴェンタ[12340]", "パソコンを再起動後、ルヴェンタ [12340]をインストールしてください。"},
        FullRunCase{"12345", "ルヴェンタ[12345]",
                    "パソコンを再起動後、ルヴェンタ [12340]→[12345] の順にインストールしてください。"},
        FullRunCase{"", "ルヴェンタ", "パソコンを再起動後、ルヴェンタをインストールしてください。"}));

TEST_F(ToolScenario, NothingTickedAsksForASelectionAndStays) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& tool = StartTool();
  SeenWindow main = AwaitMain(tool);
  for (int id : {1005, 1007, 1008}) Click(main.hwnd, id);
  watch_.ExpectOnly(tool, {{&tool, WindowKind::Main}}, 200);
  for (int id : {1005, 1007, 1008}) ASSERT_EQ(BST_UNCHECKED, CheckState(main.hwnd, id)) << "check box " << id;

  Click(main.hwnd, 1003);
  SeenWindow box = AwaitMessageBox(tool, SELECT_SOMETHING, false, {{&tool, WindowKind::Main}});
  Click(box.hwnd, IDOK);
  watch_.ExpectOnly(tool, {{&tool, WindowKind::Main}});
  Click(main.hwnd, 1004);
  watch_.AwaitEnd(tool);
  ExpectUnchanged(before);
}

enum class Answer { Button, Esc, Enter, CloseBox, SystemMenuClose };

std::string AnswerName(const ::testing::TestParamInfo<Answer>& info) {
  switch (info.param) {
    case Answer::Button: return "Button";
    case Answer::Esc: return "Esc";
    case Answer::Enter: return "Enter";
    case Answer::CloseBox: return "CloseBox";
    case Answer::SystemMenuClose: return "SystemMenuClose";
  }
  return "?";
}

void Give(Answer answer, HWND window, int buttonId) {
  switch (answer) {
    case Answer::Button: Click(window, buttonId); break;
    case Answer::Esc: PressKey(window, VK_ESCAPE); break;
    case Answer::Enter: PressKey(window, VK_RETURN); break;
    case Answer::CloseBox: PressCloseBox(window); break;
    case Answer::SystemMenuClose: ChooseSystemMenuClose(window); break;
  }
}

class CancelAtConfirmation : public ToolScenario, public ::testing::WithParamInterface<Answer> {};

TEST_P(CancelAtConfirmation, EndsTheToolWithNothingDeleted) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& tool = StartTool();
  Click(AwaitMain(tool).hwnd, 1003);
  SeenWindow confirm = AwaitConfirmation(tool, "\r\n・ルヴェンタ[12340]\r\n・ケスラ[071]\r\n・セルダ");
  Give(GetParam(), confirm.hwnd, IDCANCEL);
  watch_.AwaitEnd(tool, {{&tool, WindowKind::Main}});  // a final result dialog would be a stray
  ExpectUnchanged(before);
}

INSTANTIATE_TEST_SUITE_P(Answers, CancelAtConfirmation,
                         ::testing::Values(Answer::Button, Answer::Esc, Answer::Enter, Answer::CloseBox), AnswerName);

class MainDialogCancel : public ToolScenario, public ::testing::WithParamInterface<Answer> {};

TEST_P(MainDialogCancel, EndsTheToolWithNothingDeleted) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& tool = StartTool();
  Give(GetParam(), AwaitMain(tool).hwnd, 1004);
  watch_.AwaitEnd(tool);
  ExpectUnchanged(before);
}

INSTANTIATE_TEST_SUITE_P(Answers, MainDialogCancel,
                         ::testing::Values(Answer::Button, Answer::Esc, Answer::CloseBox), AnswerName);

TEST_F(ToolScenario, EnterOnAFocusedCheckBoxEndsTheToolWithoutRemoval) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& tool = StartTool();
  SeenWindow main = AwaitMain(tool);
  // Execute, Cancel, then the first check box in tab order.
  PressKey(main.hwnd, VK_TAB);
  PressKey(main.hwnd, VK_TAB);
  watch_.ExpectOnly(tool, {{&tool, WindowKind::Main}}, 200);
  ASSERT_EQ(GetDlgItem(main.hwnd, 1005), FocusOf(main.hwnd));
  PressKey(main.hwnd, VK_RETURN);
  watch_.AwaitEnd(tool);
  ExpectUnchanged(before);
}

TEST_F(ToolScenario, ReadOnlyProgramFileFailsItsProductOnly) {
  installation_.Seed({});
  std::string file = installation_.ProgramFolder("ルヴェンタ") + "\\T6KUB000.exe";
  win32_seed::AddAttributes(file, FILE_ATTRIBUTE_READONLY);
  MachineState before = installation_.Snapshot();

  Process& tool = StartTool();
  Click(AwaitMain(tool).hwnd, 1003);
  Click(AwaitConfirmation(tool, "\r\n・ルヴェンタ[12340]\r\n・ケスラ[071]\r\n・セルダ").hwnd, IDOK);
  SeenWindow stop =
      AwaitMessageBox(tool, std::string("ルヴェンタ") + COULD_NOT_DELETE_HEAD + file + "]", false, {{&tool, WindowKind::Main}});
  Click(stop.hwnd, IDOK);
  SeenWindow final = AwaitFinal(tool, {"・ルヴェンタ[12340]", "・ケスラ[071]", "・セルダ"},
                                {NOT_REMOVED, REMOVED, REMOVED}, ADVICE_FAILED);
  Click(final.hwnd, IDOK);
  watch_.AwaitEnd(tool);
  ExpectRemoved(before, KesraRemovals(installation_) + SeldaRemovals(installation_));
}

// Start-up refusals: a stop box before the main dialog shows, then the tool ends.
struct RefusalCase {
  const char* name;
  const char* readOnlyRoot;    // or null
  const char* runningProgram;  // or null
  const char* message;
};

std::string RefusalName(const ::testing::TestParamInfo<RefusalCase>& param) { return param.param.name; }

class StartupRefusal : public ToolScenario, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(StartupRefusal, ShowsWhyAndEnds) {
  installation_.Seed({});
  if (GetParam().readOnlyRoot != nullptr) win32_seed::RestrictKey(GetParam().readOnlyRoot, KeyRights::ReadOnly);
  if (GetParam().runningProgram != nullptr) StartIdleAs(GetParam().runningProgram);
  MachineState before = installation_.Snapshot();

  Process& tool = StartTool();
  Click(AwaitMessageBox(tool, GetParam().message, false, {}).hwnd, IDOK);
  watch_.AwaitEnd(tool, ShownForAMoment(tool));
  ExpectUnchanged(before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, StartupRefusal,
    ::testing::Values(RefusalCase{"ReadOnlyRuventaRoot", "SOFTWARE\\ORVIQI", nullptr, NO_RIGHTS},
                      RefusalCase{"ReadOnlyKesraRoot", "SOFTWARE\\ORVIQR", nullptr, NO_RIGHTS},
                      RefusalCase{"RuventaRunning", nullptr, "T6KQWN00.exe", RUVENTA_RUNNING},
                      RefusalCase{"KesraRunning", nullptr, "T3HZD000.exe", KESRA_RUNNING}),
    RefusalName);

TEST_F(ToolScenario, SecondCopyIsRefusedAndTheFirstStays) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& first = StartTool();
  SeenWindow main = AwaitMain(first);
  Process& second = StartTool();
  Allowed firstStays = {{&first, WindowKind::Main}};
  Click(AwaitMessageBox(second, ALREADY_RUNNING, false, firstStays).hwnd, IDOK);
  watch_.AwaitEnd(second, {firstStays[0], ShownForAMoment(second)[0]});
  watch_.ExpectOnly(first, firstStays, 200);
  Click(main.hwnd, 1004);
  watch_.AwaitEnd(first);
  ExpectUnchanged(before);
}

TEST_F(ToolScenario, FinalResultClosesOnlyOnOk) {
  installation_.Seed({});
  MachineState before = installation_.Snapshot();
  Process& tool = StartTool();
  Click(AwaitMain(tool).hwnd, 1003);
  Click(AwaitConfirmation(tool, "\r\n・ルヴェンタ[12340]\r\n・ケスラ[071]\r\n・セルダ").hwnd, IDOK);
  SeenWindow final = AwaitFinal(tool, {"・ルヴェンタ[12340]", "・ケスラ[071]", "・セルダ"}, {REMOVED, REMOVED, REMOVED},
                                "パソコンを再起動後、ルヴェンタ [12340]をインストールしてください。");
  Allowed open = {{&tool, WindowKind::Main}, {&tool, WindowKind::Final}};
  for (Answer answer : {Answer::Esc, Answer::CloseBox, Answer::SystemMenuClose}) {
    Give(answer, final.hwnd, IDCANCEL);
    watch_.ExpectOnly(tool, open);
    ASSERT_TRUE(IsWindowVisible(final.hwnd)) << "the final result closed on " << static_cast<int>(answer);
  }
  Click(final.hwnd, IDOK);
  watch_.AwaitEnd(tool);
  ExpectRemoved(before, AllThree());
}

}  // namespace
}  // namespace e2e
