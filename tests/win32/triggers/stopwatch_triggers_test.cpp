#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../export/stopwatch_page_harness.h"
#include "hook_test_helpers.h"

namespace {

// Keystroke flags as the key library reports them.
const LPARAM kSpacePress = 0x00390001;
const LPARAM kEnterPress = 0x001C0001;
const LPARAM kSpaceRelease = static_cast<LPARAM>(0xC0390001u);

const char kZeroSplit[] = "00:00:00:000";
const int kSplitColumn = 3;

TEST(StopwatchTriggersTest, MouseAndKeyMethodsLoadBothLibrariesAndDriveARun) {
  StopwatchPageHarness h("triggers-mouse-key");
  h.SetTriggerMethods(1, 7, 3);
  h.Open();
  EXPECT_TRUE(ModuleLoaded("MouseHook.dll"));
  EXPECT_TRUE(ModuleLoaded("KeyHook.dll"));
  EXPECT_FALSE(IsWindowEnabled(h.Item(IDC_SW_START)));
  EXPECT_FALSE(IsWindowEnabled(h.Item(IDC_SW_STOP)));
  EXPECT_EQ(h.Status(), "スタート：左クリックDOWN");

  h.Post(WM_MIPO_MOUSE_HOOK, 0x201);  // left button down anywhere
  ASSERT_TRUE(h.Page().Engine().IsRunning());
  EXPECT_EQ(h.Status(), "ラップ計測：スペースキー押下 ストップ：右クリックDOWN");
  EXPECT_FALSE(IsWindowEnabled(h.Item(IDC_SW_START)));
  EXPECT_FALSE(IsWindowEnabled(h.Item(IDC_SW_STOP)));

  h.Ticks(1000);
  h.Post(WM_MIPO_KEY_HOOK, 32, kSpacePress);
  EXPECT_EQ(h.Rows(), 1);
  h.Ticks(500);
  h.Post(WM_MIPO_KEY_HOOK, 32, kSpacePress);
  EXPECT_EQ(h.Rows(), 2);
  EXPECT_EQ(h.Cell(1, kSplitColumn), "00:00:00:500");

  h.Post(WM_MIPO_MOUSE_HOOK, 0x204);  // right button down stops
  EXPECT_FALSE(h.Page().Engine().IsRunning());
  EXPECT_EQ(h.Rows(), 3);
  EXPECT_EQ(h.Status(), "スタート：左クリックDOWN");
}

TEST(StopwatchTriggersTest, UnconfiguredEventsReleasesAndOtherKeysDoNothing) {
  StopwatchPageHarness h("triggers-ignored");
  h.SetTriggerMethods(7, 7, 8);
  h.Open();
  h.Post(WM_MIPO_KEY_HOOK, 32, kSpaceRelease);
  h.Post(WM_MIPO_KEY_HOOK, 32, 0);
  h.Post(WM_MIPO_KEY_HOOK, 65, kSpacePress);  // another key
  h.Post(WM_MIPO_KEY_HOOK, 13, kEnterPress);  // stop method on a stopped watch
  h.Post(WM_MIPO_MOUSE_HOOK, 0x201);          // no mouse method configured
  h.Post(WM_MIPO_MOUSE_HOOK, 0x200);          // not a button message
  EXPECT_FALSE(h.Page().Engine().IsRunning());
  EXPECT_EQ(h.Rows(), 0);
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
  EXPECT_TRUE(ModuleLoaded("KeyHook.dll"));
}

TEST(StopwatchTriggersTest, SameMethodForStartAndStopLeavesOneRowWithZeroSplit) {
  StopwatchPageHarness h("triggers-start-stop");
  h.SetTriggerMethods(8, 0, 8);
  h.Open();
  h.Post(WM_MIPO_KEY_HOOK, 13, kEnterPress);
  EXPECT_FALSE(h.Page().Engine().IsRunning());
  ASSERT_EQ(h.Rows(), 1);
  EXPECT_EQ(h.Cell(0, 0), "1");
  EXPECT_EQ(h.Cell(0, kSplitColumn), kZeroSplit);
}

TEST(StopwatchTriggersTest, SameMethodForStartAndLapInNormalModeStartsPausedThenResumes) {
  StopwatchPageHarness h("triggers-start-lap");
  h.SetSetting("Watch", "WatchMode", 1);
  h.SetTriggerMethods(7, 7, 0);
  h.Open();
  h.Post(WM_MIPO_KEY_HOOK, 32, kSpacePress);
  EXPECT_TRUE(h.Page().Engine().IsRunning());
  EXPECT_TRUE(h.Page().Engine().IsPaused());
  EXPECT_EQ(h.Rows(), 1);
  EXPECT_EQ(h.StartCaption(), "再開");
  h.Post(WM_MIPO_KEY_HOOK, 32, kSpacePress);
  EXPECT_FALSE(h.Page().Engine().IsPaused());
  EXPECT_EQ(h.Rows(), 1);
  EXPECT_EQ(h.StartCaption(), "一時停止");
  EXPECT_EQ(h.Status(), "一時停止：スペースキー押下 ストップ：通常");
}

TEST(StopwatchTriggersTest, HidingKeepsTheLibrariesAndShowingWithPageButtonsUnloadsThem) {
  StopwatchPageHarness h("triggers-unload");
  h.SetTriggerMethods(1, 7, 3);
  h.Open();
  h.Page().Show(SW_HIDE);
  EXPECT_TRUE(ModuleLoaded("MouseHook.dll"));
  EXPECT_TRUE(ModuleLoaded("KeyHook.dll"));
  // Triggers keep acting while another tab is in front.
  h.Post(WM_MIPO_MOUSE_HOOK, 0x201);
  EXPECT_TRUE(h.Page().Engine().IsRunning());
  h.Post(WM_MIPO_MOUSE_HOOK, 0x204);
  EXPECT_FALSE(h.Page().Engine().IsRunning());

  h.SetTriggerMethods(0, 0, 0);
  h.Page().Show(SW_SHOW);
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
  EXPECT_FALSE(ModuleLoaded("KeyHook.dll"));
  EXPECT_TRUE(IsWindowEnabled(h.Item(IDC_SW_START)));
  EXPECT_EQ(h.Status(), "スタート：通常");
}

TEST(StopwatchTriggersTest, MethodsOutsideTheListLoadNothingAndKeepThePageButtons) {
  StopwatchPageHarness h("triggers-out-of-range");
  h.SetTriggerMethods(9, -1, 100);
  h.Open();
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
  EXPECT_FALSE(ModuleLoaded("KeyHook.dll"));
  EXPECT_TRUE(IsWindowEnabled(h.Item(IDC_SW_START)));
  EXPECT_EQ(h.Status(), "スタート：通常");
  h.Post(WM_MIPO_MOUSE_HOOK, 0x201);
  EXPECT_FALSE(h.Page().Engine().IsRunning());
  h.Command(IDC_SW_START);
  EXPECT_TRUE(h.Page().Engine().IsRunning());
  EXPECT_TRUE(IsWindowEnabled(h.Item(IDC_SW_STOP)));
}

TEST(StopwatchTriggersTest, EndingThePageUnloadsTheLibraries) {
  {
    StopwatchPageHarness h("triggers-page-end");
    h.SetTriggerMethods(2, 8, 0);
    h.Open();
    ASSERT_TRUE(ModuleLoaded("MouseHook.dll"));
    ASSERT_TRUE(ModuleLoaded("KeyHook.dll"));
  }
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
  EXPECT_FALSE(ModuleLoaded("KeyHook.dll"));
}

TEST(StopwatchTriggersTest, RealInputReachesThePageThroughTheLibraries) {
  StopwatchPageHarness h("triggers-real-input");
  h.SetTriggerMethods(1, 7, 3);
  h.Open();
  InjectMouse(MOUSEEVENTF_LEFTDOWN);
  InjectMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(300);
  ASSERT_TRUE(h.Page().Engine().IsRunning());
  InjectKey(VK_SPACE, 0x39, false);
  InjectKey(VK_SPACE, 0x39, true);  // the release takes no lap
  PumpFor(300);
  EXPECT_EQ(h.Rows(), 1);
  InjectMouse(MOUSEEVENTF_RIGHTDOWN);
  InjectMouse(MOUSEEVENTF_RIGHTUP);
  PumpFor(300);
  EXPECT_FALSE(h.Page().Engine().IsRunning());
  EXPECT_EQ(h.Rows(), 2);
}

// Moves the pointer to the middle of a control.
void PointAt(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

TEST(StopwatchTriggersTest, ClickOnTheClearButtonOrAccuracyListDoesNotStart) {
  // (The start button is disabled whenever a mouse method starts the watch, so
  // the window under the pointer is never the button itself.)
  StopwatchPageHarness h("triggers-pointer", true);
  h.SetTriggerMethods(1, 0, 0);
  h.Open();
  for (int id : {IDC_SW_CLEAR, IDC_SW_ACCURACY}) {
    PointAt(h.Item(id));
    POINT at = {};
    GetCursorPos(&at);
    ASSERT_EQ(WindowFromPoint(at), h.Item(id)) << id;
    h.Post(WM_MIPO_MOUSE_HOOK, 0x201);
    EXPECT_FALSE(h.Page().Engine().IsRunning()) << id;
  }
  // Anywhere else a click starts the watch.
  PointAt(h.Page().LapList().Window());
  h.Post(WM_MIPO_MOUSE_HOOK, 0x201);
  EXPECT_TRUE(h.Page().Engine().IsRunning());
}

}  // namespace
