// Two copies of the program on one Data.ini, as two sessions of one user leave
// them: each keeps working, each writes its own sections when it closes, and
// the file stays one that both can read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs.h"
#include "program_runner.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "timer/preset_dialog_ids.h"
#include "timer/timer_dialog_ids.h"
#include "win32_test_support.h"

using namespace reliability;
using namespace testing_support;

namespace {

const char kPresetA[] = "Tea,0,00:03:000010";
const char kPresetB[] = "Eggs,3,00:07:001010";

class TwoCopiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = FreshCaseFolder("two-copies");
    app_ = root_ + "\\app";
    ASSERT_TRUE(InstallProgram(app_));
    user_ = NetworkUserName();
    ini_ = IniPathOf(app_, user_);
    ASSERT_TRUE(MakeFolders(UserFolderOf(app_, user_)));
    WriteFileBytes(ini_, std::string("[MainDlg]\r\nFirstFlag=0\r\nEndTabPos=0\r\n") +
                             "[Timer]\r\nTimerRegNum=2\r\nTimerReg0=" + kPresetA +
                             "\r\nTimerReg1=" + kPresetB + "\r\n");
  }
  std::string Value(const char* section, const char* key) const {
    return IniValue(ini_, section, key);
  }

  std::string root_, app_, user_, ini_;
};

// Presses a button of a copy and gives back the button's caption afterwards.
std::string Press(RunningProgram& copy, int id) {
  HWND button = copy.PageControl(id);
  if (button == nullptr)
    return "<no button>";
  if (copy.Ask(button, BM_CLICK) == -1)
    return "<no answer>";
  return WindowText(button);
}

// Adds a preset in a copy that shows its timer, as a user would: the add
// button, a name typed into the dialog, OK. False when the dialog never came.
bool AddPreset(RunningProgram& copy, const char* name) {
  HWND add = copy.PageControl(IDC_TM_PRESET_ADD);
  if (add == nullptr)
    return false;
  // Posted: the modal dialog keeps the copy's answer back until it closes.
  PostMessageA(add, BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  for (int wait = 0; wait < 100 && dialog == nullptr; ++wait) {
    Sleep(50);
    dialog = FindProcessDialog(copy.ProcessId(), [](HWND window) {
      return GetDlgItem(window, IDC_PRESET_NAME_EDIT) != nullptr;
    });
  }
  if (dialog == nullptr)
    return false;
  HWND edit = GetDlgItem(dialog, IDC_PRESET_NAME_EDIT);
  if (copy.Ask(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name)) == -1)
    return false;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  for (int wait = 0; wait < 100 && IsWindow(dialog); ++wait) Sleep(50);
  return !IsWindow(dialog) && copy.Ask(copy.MainWindow(), WM_NULL) == 0;
}

TEST_F(TwoCopiesTest, EachCopyWorksAndWritesItsOwnSectionsIntoOneReadableFile) {
  const std::vector<std::string> before = ListTree(root_);
  RunningProgram first;
  RunningProgram second;
  ASSERT_TRUE(first.Start(app_));
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(second.Start(app_));
  ASSERT_NE(second.WaitForMainWindow(), nullptr);
  ASSERT_NE(first.MainWindow(), second.MainWindow());

  // The first copy goes to its timer; the second stays on the stopwatch.
  first.NextTab();
  ASSERT_EQ(first.MainTitle(), kTimerTitle);
  ASSERT_EQ(second.MainTitle(), kStopwatchTitle);

  // Both run at once, each on its own.
  const std::string idleCaption = WindowText(second.PageControl(IDC_SW_START));
  EXPECT_NE(Press(second, IDC_SW_START), idleCaption);
  const std::string timerIdle = WindowText(first.PageControl(IDC_TM_START));
  EXPECT_NE(Press(first, IDC_TM_START), timerIdle);
  // Real time: both copies run their real timers side by side for more than one
  // second of the countdown; separate programs have no posted ticks to drive.
  Sleep(1200);
  EXPECT_NE(first.Ask(first.MainWindow(), WM_NULL), -1);
  EXPECT_NE(second.Ask(second.MainWindow(), WM_NULL), -1);
  EXPECT_NE(Press(second, IDC_SW_STOP), "<no answer>");
  EXPECT_NE(Press(first, IDC_TM_STOP), "<no answer>");

  // The second closes first, the first last: the last writer of a key wins.
  EXPECT_EQ(second.Close(), 1);
  {
    std::string why;
    EXPECT_TRUE(IsWellFormedIni(ReadFileBytes(ini_), &why)) << why;
  }
  EXPECT_EQ(Value("MainDlg", "EndTabPos"), "0");
  EXPECT_EQ(first.Ask(first.MainWindow(), WM_NULL), 0);  // still running, untouched
  EXPECT_EQ(first.Close(), 1);

  std::string why;
  EXPECT_TRUE(IsWellFormedIni(ReadFileBytes(ini_), &why)) << why;
  EXPECT_EQ(Value("MainDlg", "EndTabPos"), "1");
  EXPECT_EQ(Value("MainDlg", "FirstFlag"), "0");
  EXPECT_NE(Value("Watch", "WatchAccuracy"), "<missing>");
  EXPECT_NE(Value("Timer", "TimerTime"), "<missing>");
  // Neither copy changed the two presets: both are still there as they were.
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "2");
  EXPECT_EQ(Value("Timer", "TimerReg0"), kPresetA);
  EXPECT_EQ(Value("Timer", "TimerReg1"), kPresetB);
  EXPECT_TRUE(NewEntriesOutside(before, ListTree(root_), "app").empty());
}

TEST_F(TwoCopiesTest, APresetAddedInTheFirstCopySurvivesTheSecondClosingLater) {
  RunningProgram first;
  RunningProgram second;
  ASSERT_TRUE(first.Start(app_));
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(second.Start(app_));
  ASSERT_NE(second.WaitForMainWindow(), nullptr);
  // Both open their timers, so both read the two presets now.
  first.NextTab();
  ASSERT_EQ(first.MainTitle(), kTimerTitle);
  second.NextTab();
  ASSERT_EQ(second.MainTitle(), kTimerTitle);
  ASSERT_TRUE(AddPreset(first, "Soup"));
  EXPECT_EQ(first.Close(), 1);
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "3");
  EXPECT_EQ(Value("Timer", "TimerReg0").compare(0, 5, "Soup,"), 0) << Value("Timer", "TimerReg0");

  // The second changed none of the two presets it read: it leaves the keys alone.
  EXPECT_EQ(second.Close(), 1);
  std::string why;
  EXPECT_TRUE(IsWellFormedIni(ReadFileBytes(ini_), &why)) << why;
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "3");
  EXPECT_EQ(Value("Timer", "TimerReg0").compare(0, 5, "Soup,"), 0) << Value("Timer", "TimerReg0");
  EXPECT_EQ(Value("Timer", "TimerReg1"), kPresetA);
  EXPECT_EQ(Value("Timer", "TimerReg2"), kPresetB);
}

TEST_F(TwoCopiesTest, CopiesClosingInTheOtherOrderLeaveTheOtherTab) {
  RunningProgram first;
  RunningProgram second;
  ASSERT_TRUE(first.Start(app_));
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(second.Start(app_));
  ASSERT_NE(second.WaitForMainWindow(), nullptr);
  second.NextTab();
  ASSERT_EQ(second.MainTitle(), kTimerTitle);
  // This time the copy on the timer closes first and the stopwatch copy last.
  EXPECT_EQ(second.Close(), 1);
  EXPECT_EQ(first.Close(), 1);
  std::string why;
  EXPECT_TRUE(IsWellFormedIni(ReadFileBytes(ini_), &why)) << why;
  EXPECT_EQ(Value("MainDlg", "EndTabPos"), "0");
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "2");
  EXPECT_EQ(Value("Timer", "TimerReg1"), kPresetB);
}

}  // namespace
