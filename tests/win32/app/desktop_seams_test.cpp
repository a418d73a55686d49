// The program's desktop helpers on the real system: the taskbar list, the
// awake request, the call for attention, and the help on F1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/help_win32.h"
#include "desktop/attention_win32.h"
#include "desktop/taskbar_list_win32.h"
#include "support/fakes_win32.h"
#include "win32_test_support.h"

namespace {

std::string TempFolder(const char* name) {
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  std::string folder = std::string(base) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// An empty help.html in folder: its path, or empty when it cannot be made.
std::string EmptyHelpIn(const std::string& folder) {
  const std::string path = folder + "\\help.html";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::string();
  CloseHandle(file);
  return path;
}

TEST(HelpOnF1, OpensTheHelpBesideTheProgram) {
  const std::string folder = TempFolder("mipo_help_present");
  const std::string path = EmptyHelpIn(folder);
  ASSERT_FALSE(path.empty());
  fakes::MessageBoxes boxes;
  fakes::DocumentOpener opener;
  OpenHelp(nullptr, folder, opener, boxes);
  EXPECT_EQ((std::vector<std::string>{path}), opener.opened);
  EXPECT_TRUE(boxes.boxes.empty());
  DeleteFileA(path.c_str());
}

// ShellExecute answers a failure with a number from 0 to 32: a file that is
// not there is one of them.
TEST(HelpOnF1, TheShellOpenerReportsAFileThatIsNotThereAsNotOpened) {
  const std::string folder = TempFolder("mipo_help_absent");
  ShellDocumentOpener shell;
  EXPECT_FALSE(shell.Open(nullptr, (folder + "\\no-help-here.html").c_str()));
}

TEST(HelpOnF1, AHelpTheShellCannotOpenIsSaidOnceWithAnEmptyCaption) {
  const std::string folder = TempFolder("mipo_help_unopened");
  const std::string path = EmptyHelpIn(folder);
  ASSERT_FALSE(path.empty());
  fakes::MessageBoxes boxes;
  fakes::DocumentOpener opener;
  opener.answer = false;  // no program for web pages
  OpenHelp(nullptr, folder, opener, boxes);
  EXPECT_EQ((std::vector<std::string>{path}), opener.opened);
  ASSERT_EQ(1u, boxes.boxes.size());
  EXPECT_EQ("", boxes.boxes[0].caption);
  EXPECT_EQ(
      "ヘルプファイル（help.html）を開けませんでした。\r\n"
      "Webページを開くプログラム（ブラウザー）が設定されているか確認してください。",
      boxes.boxes[0].text);
  DeleteFileA(path.c_str());
}

TEST(HelpOnF1, AMissingHelpIsSaidOnceWithAnEmptyCaption) {
  const std::string folder = TempFolder("mipo_help_missing");
  fakes::MessageBoxes boxes;
  fakes::DocumentOpener opener;
  OpenHelp(nullptr, folder, opener, boxes);
  EXPECT_TRUE(opener.opened.empty());
  ASSERT_EQ(1u, boxes.boxes.size());
  EXPECT_EQ("", boxes.boxes[0].caption);
  EXPECT_EQ(
      "ヘルプファイル（help.html）が見つかりません。\r\n"
      "Mipoウォッチと同じフォルダーに置いてください。",
      boxes.boxes[0].text);
}

TEST(DesktopHelpers, AwakeRequestIsHeldAndEndedOnThisThread) {
  // Wine keeps the thread's state and hands back the previous one, which is
  // all that can be seen of the request here.
  {
    ThreadAwakeRequest awake;
    awake.Hold(true);
    EXPECT_EQ(static_cast<EXECUTION_STATE>(ES_CONTINUOUS | ES_SYSTEM_REQUIRED),
              SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED));
    awake.Hold(false);
    EXPECT_FALSE(awake.Held());
    EXPECT_EQ(static_cast<EXECUTION_STATE>(ES_CONTINUOUS),
              SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED));
    awake.Hold(true);
  }
  // Ended when the program's request goes away.
  EXPECT_EQ(static_cast<EXECUTION_STATE>(ES_CONTINUOUS), SetThreadExecutionState(ES_CONTINUOUS));
}

TEST(DesktopHelpers, TaskbarListIsSilentWithOrWithoutTheSystemsList) {
  testing_support::TestParentWindow window;
  TaskbarList taskbar;
  // Before the button exists nothing is asked of the system.
  taskbar.Show({desktop::kNormalProgress, 1, 2});
  EXPECT_FALSE(taskbar.Attached());
  const bool attached = taskbar.Attach(window.Window());
  EXPECT_EQ(attached, taskbar.Attached());
  std::printf("taskbar list made under this system: %s\n", attached ? "yes" : "no");
  const desktop::ProgressState states[] = {desktop::kNormalProgress, desktop::kPausedProgress,
                                           desktop::kErrorProgress, desktop::kIndeterminateProgress,
                                           desktop::kNoProgress};
  for (desktop::ProgressState state : states) taskbar.Show({state, 1, 2});
  EXPECT_NE(0u, TaskbarList::ButtonCreatedMessage());
  EXPECT_EQ(TaskbarList::ButtonCreatedMessage(), RegisterWindowMessageA("TaskbarButtonCreated"));
}

// Each state reaches the system's list with its own flag, and the value as it
// is, before the state that shows it.
TEST(DesktopHelpers, TaskbarListPassesEachStateAndTheValueAsTheyAre) {
  testing_support::TestParentWindow window;
  fakes::TaskbarList3 system;
  {
    TaskbarList taskbar(&system);
    taskbar.Show({desktop::kNormalProgress, 1, 2});
    EXPECT_TRUE(system.calls.empty()) << "told before the button exists";
    ASSERT_TRUE(taskbar.Attach(window.Window()));
    taskbar.Show({desktop::kNormalProgress, 3, 10});
    taskbar.Show({desktop::kPausedProgress, 3, 10});
    taskbar.Show({desktop::kErrorProgress, 10, 10});
    taskbar.Show({desktop::kIndeterminateProgress, 0, 0});
    taskbar.Show({desktop::kNoProgress, 0, 0});
    const std::vector<std::string> expected = {"value 3/10",
                                               "state " + std::to_string(TBPF_NORMAL),
                                               "value 3/10",
                                               "state " + std::to_string(TBPF_PAUSED),
                                               "value 10/10",
                                               "state " + std::to_string(TBPF_ERROR),
                                               "state " + std::to_string(TBPF_INDETERMINATE),
                                               "state " + std::to_string(TBPF_NOPROGRESS)};
    EXPECT_EQ(expected, system.calls);
    EXPECT_EQ(window.Window(), system.lastWindow);
  }
  EXPECT_EQ(1u, system.references);  // held while in use, let go at the end
}

TEST(DesktopHelpers, SystemMonitorsNameTheMonitorThatHoldsTheWindow) {
  testing_support::TestParentWindow window;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(
      GetMonitorInfoA(MonitorFromWindow(window.Window(), MONITOR_DEFAULTTONEAREST), &monitor));
  const RECT area = SystemMonitors().AreaOf(window.Window());
  EXPECT_TRUE(EqualRect(&monitor.rcMonitor, &area));
  // With the one screen there is, exactly the whole screen.
  EXPECT_EQ(0, area.left);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), area.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), area.bottom);
}

TEST(DesktopHelpers, AttentionKnowsWhetherTheWindowIsInFrontAndFlashesOtherwise) {
  testing_support::TestParentWindow main;
  testing_support::TestParentWindow other;
  WindowAttention attention;
  attention.Bind(main.Window());
  ShowWindow(main.Window(), SW_SHOW);
  SetForegroundWindow(main.Window());
  testing_support::PumpMessages();
  // Both answers are needed: a window that did not come to the front tests nothing.
  ASSERT_EQ(main.Window(), GetForegroundWindow());
  EXPECT_TRUE(attention.InFront());
  ShowWindow(other.Window(), SW_SHOW);
  SetForegroundWindow(other.Window());
  testing_support::PumpMessages();
  ASSERT_EQ(other.Window(), GetForegroundWindow());
  EXPECT_FALSE(attention.InFront());
  attention.Flash();
  // The flash asked for runs until the window comes to the front; a stop
  // request afterwards must be accepted as well.
  FLASHWINFO stop = {};
  stop.cbSize = sizeof stop;
  stop.hwnd = main.Window();
  stop.dwFlags = FLASHW_STOP;
  FlashWindowEx(&stop);
  testing_support::PumpMessages();
}

}  // namespace
