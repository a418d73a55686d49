#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/clock_win32.h"
#include "base/tick_source_win32.h"
#include "ui/messages.h"
#include "settings/settings_file_win32.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "support/dialogs.h"
#include "support/fakes_win32.h"
#include "support/win32_test_support.h"
#include "support/name_change_counter.h"

using testing_support::ItemText;
using testing_support::PumpMessages;
using testing_support::ReadKey;
using testing_support::TestParentWindow;
using testing_support::UseFreshSettings;

namespace {

const int kTabHeaderHeight = 21;

class StopwatchPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_.Set(9, 30, 0);
    UseFreshSettings(std::string("stopwatch_") +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { ClosePage(); }

  // systemServices: the real multimedia tick and clocks instead of the recorders.
  void OpenPage(bool systemServices = false) {
    page_.reset(systemServices ? new StopwatchPage(testing_support::TestSettings(), systemTicks_,
                                                   counterClock_, systemClock_, systemChooser_)
                               : new StopwatchPage(testing_support::TestSettings(), ticks_,
                                                   countClock_, clock_, chooser_, *report_));
    parent_.reset(new TestParentWindow(520, 420));
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, parent_->Window(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    page_->Open(parent_->Window(), statusBar_, kTabHeaderHeight);
    systemTicks_.Bind(Page());
    PumpMessages();
  }
  // As at program end: the windows go first (saving the settings), then the object.
  void ClosePage() {
    parent_.reset();
    page_.reset();
  }

  HWND Page() { return page_->Window(); }
  HWND Item(int id) { return GetDlgItem(Page(), id); }
  HWND List() { return Item(IDC_SW_LAP_LIST); }
  void Command(int id, int code = BN_CLICKED) {
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    PumpMessages();
  }
  // Ticks as the timer service sends them, each a period after the last; with
  // moveClock false they come late, the clock already moved by the test.
  void Tick(int count, bool moveClock = true) {
    for (int i = 0; i < count; ++i) {
      if (moveClock)
        countClock_.Pass(ticks_.period);
      PostMessageA(Page(), WM_MIPO_STOPWATCH_TICK, 0, 0);
      PumpMessages();
    }
  }
  void ChooseAccuracy(int index) {
    SendMessageA(Item(IDC_SW_ACCURACY), CB_SETCURSEL, index, 0);
    Command(IDC_SW_ACCURACY, CBN_SELCHANGE);
  }
  std::string Status() { return testing_support::StatusBarText(statusBar_); }
  std::string Shown() { return page_->Display().Text(); }
  int Rows() { return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)); }
  std::string Cell(int row, int column) {
    return testing_support::ListCellText(List(), row, column);
  }
  std::vector<std::string> RowCells(int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < static_cast<int>(Headers().size()); ++column) {
      cells.push_back(Cell(row, column));
    }
    return cells;
  }
  std::vector<std::string> Headers() {
    std::vector<std::string> headers;
    for (int column = 0;; ++column) {
      char text[64] = {};
      LVCOLUMNA info = {};
      info.mask = LVCF_TEXT;
      info.pszText = text;
      info.cchTextMax = sizeof text;
      if (!SendMessageA(List(), LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)))
        break;
      headers.push_back(text);
    }
    return headers;
  }
  std::vector<int> Widths() {
    std::vector<int> widths;
    for (size_t column = 0; column < Headers().size(); ++column) {
      widths.push_back(static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, column, 0)));
    }
    return widths;
  }
  bool Enabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }
  bool QueuedTick() {
    MSG message;
    return PeekMessageA(&message, Page(), WM_MIPO_STOPWATCH_TICK, WM_MIPO_STOPWATCH_TICK,
                        PM_NOREMOVE) != FALSE;
  }
  UINT MenuState(HMENU menu, int command) { return GetMenuState(menu, command, MF_BYCOMMAND); }

  fakes::TickSource ticks_;
  fakes::MonotonicClock countClock_;
  fakes::LocalClock clock_;
  fakes::FileChooser chooser_;
  fakes::ActivityReport activity_;
  desktop::ActivityReport* report_ = &activity_;  // whom the page tells
  // The program's own services, for the tests of real time.
  MultimediaTickSource systemTicks_{WM_MIPO_STOPWATCH_TICK};
  PerformanceCounterClock counterClock_;
  SystemLocalClock systemClock_;
  SystemFileChooser systemChooser_;
  std::unique_ptr<StopwatchPage> page_;
  std::unique_ptr<TestParentWindow> parent_;
  HWND statusBar_ = nullptr;
};

TEST_F(StopwatchPageTest, FirstOpeningShowsSevenColumnsZeroAndTheStartMethod) {
  OpenPage();
  ASSERT_NE(nullptr, Page());
  EXPECT_EQ((std::vector<std::string>{"回数", "開始時間", "計測時間", "経過時間",
                                      "開始からの経過時間", "累積時間", "平均時間"}),
            Headers());
  EXPECT_EQ((std::vector<int>{37, 75, 75, 75, 100, 75, 75}), Widths());
  EXPECT_EQ(0x131, SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & 0x131);

  HWND accuracy = Item(IDC_SW_ACCURACY);
  EXPECT_EQ(12, SendMessageA(accuracy, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(accuracy, CB_GETCURSEL, 0, 0));
  char entry[32] = {};
  SendMessageA(accuracy, CB_GETLBTEXT, 11, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ("0000:00:00", entry);

  EXPECT_EQ("ラップ", ItemText(Page(), IDC_SW_MODE));
  EXPECT_EQ("スタート", ItemText(Page(), IDC_SW_START));
  EXPECT_EQ("ストップ", ItemText(Page(), IDC_SW_STOP));
  EXPECT_TRUE(Enabled(IDC_SW_START));
  EXPECT_FALSE(Enabled(IDC_SW_STOP));
  EXPECT_EQ("00:00:00:000", Shown());
  EXPECT_EQ("スタート：通常", Status());
  EXPECT_TRUE(IsWindowVisible(Page()));
  EXPECT_TRUE(IsWindowVisible(statusBar_));
  EXPECT_EQ(page_->StartButton(), Item(IDC_SW_START));

  // The page sits below the tab header inside the parent's client area.
  RECT rect = {};
  GetWindowRect(Page(), &rect);
  MapWindowPoints(nullptr, parent_->Window(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(8, rect.left);
  EXPECT_EQ(kTabHeaderHeight + 4, rect.top);
}

TEST_F(StopwatchPageTest, LapModeRunFillsRowsFromTheButtonsAndTicks) {
  OpenPage();
  Command(IDC_SW_START);
  EXPECT_TRUE(ticks_.armed);
  EXPECT_EQ(1u, ticks_.period);
  EXPECT_EQ("ラップ計測", ItemText(Page(), IDC_SW_START));
  EXPECT_TRUE(Enabled(IDC_SW_STOP));
  EXPECT_FALSE(Enabled(IDC_SW_CLEAR));
  EXPECT_FALSE(Enabled(IDC_SW_ACCURACY));
  EXPECT_FALSE(Enabled(IDC_SW_MODE));
  EXPECT_EQ("ラップ計測：通常 ストップ：通常", Status());

  Tick(1000);
  EXPECT_EQ("00:00:01:000", Shown());
  Command(IDC_SW_START);
  Tick(2000);
  Command(IDC_SW_STOP);

  EXPECT_FALSE(ticks_.armed);
  EXPECT_EQ("スタート", ItemText(Page(), IDC_SW_START));
  EXPECT_FALSE(Enabled(IDC_SW_STOP));
  EXPECT_TRUE(Enabled(IDC_SW_CLEAR));
  EXPECT_EQ("スタート：通常", Status());
  ASSERT_EQ(2, Rows());
  EXPECT_EQ((std::vector<std::string>{"1", "09:30:00.000", "09:30:01.000", "00:00:01:000",
                                      "00:00:01:000", "00:00:01:000", "00:00:01:000"}),
            RowCells(0));
  EXPECT_EQ((std::vector<std::string>{"2", "09:30:00.000", "09:30:03.000", "00:00:02:000",
                                      "00:00:03:000", "00:00:03:000", "00:00:01:500"}),
            RowCells(1));
}

TEST_F(StopwatchPageTest, StoppingDisarmsTheTickAndTicksStillQueuedCountNothing) {
  OpenPage();
  Command(IDC_SW_START);
  Tick(10);
  for (int i = 0; i < 5; ++i) PostMessageA(Page(), WM_MIPO_STOPWATCH_TICK, 0, 0);
  SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_SW_STOP, BN_CLICKED), 0);
  EXPECT_FALSE(ticks_.armed);
  countClock_.Pass(5);
  PumpMessages();
  EXPECT_EQ("00:00:00:010", Cell(0, 4));
  EXPECT_EQ("00:00:00:010", Shown());
}

TEST_F(StopwatchPageTest, NormalModePausesWithARowAndIgnoresQueuedTicks) {
  OpenPage();
  Command(IDC_SW_MODE);
  EXPECT_EQ("通常", ItemText(Page(), IDC_SW_MODE));
  Command(IDC_SW_START);
  EXPECT_EQ("一時停止", ItemText(Page(), IDC_SW_START));
  EXPECT_EQ("一時停止：通常 ストップ：通常", Status());
  Tick(2000);
  for (int i = 0; i < 5; ++i) PostMessageA(Page(), WM_MIPO_STOPWATCH_TICK, 0, 0);
  SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_SW_START, BN_CLICKED), 0);
  EXPECT_FALSE(ticks_.armed);
  countClock_.Pass(5);
  PumpMessages();
  EXPECT_EQ("再開", ItemText(Page(), IDC_SW_START));
  EXPECT_EQ("再開：通常 ストップ：通常", Status());
  ASSERT_EQ(1, Rows());
  EXPECT_EQ("00:00:02:000", Cell(0, 3));

  Command(IDC_SW_START);  // resume
  EXPECT_EQ(1, Rows());
  Tick(3000);
  Command(IDC_SW_START);  // pause
  ASSERT_EQ(2, Rows());
  EXPECT_EQ("09:30:05.000", Cell(1, 2));
  EXPECT_EQ("00:00:03:000", Cell(1, 3));
  Command(IDC_SW_STOP);
  EXPECT_EQ(2, Rows());
  EXPECT_EQ("スタート", ItemText(Page(), IDC_SW_START));
  // The desktop was told each time counting started and stopped, so the awake
  // request and the taskbar's busy state end at each pause.
  EXPECT_EQ((std::vector<bool>{true, false, true, false}), activity_.stopwatchTicking);
}

TEST_F(StopwatchPageTest, DesktopIsToldWhenARunStartsAndStopsCounting) {
  OpenPage();
  Command(IDC_SW_START);
  EXPECT_EQ(std::vector<bool>{true}, activity_.stopwatchTicking);
  Tick(10);
  Command(IDC_SW_START);  // a lap: counting goes on, nothing new to tell
  EXPECT_EQ(std::vector<bool>{true}, activity_.stopwatchTicking);
  Command(IDC_SW_STOP);
  EXPECT_EQ((std::vector<bool>{true, false}), activity_.stopwatchTicking);
}

// The page told the program's desktop, with the notification area's icon
// recorded.
class StopwatchNotificationTest : public StopwatchPageTest {
 protected:
  StopwatchNotificationTest() {
    report_ = &presence_;
    presence_.NotificationAreaSwitched(true);
  }
  fakes::Desktop desktop_;
  fakes::NotificationIcon icon_;
  desktop::DesktopPresence presence_{desktop_, desktop_, desktop_, icon_};
};

TEST_F(StopwatchNotificationTest, AThousandTicksAtOneMillisecondChangeTheTipOnce) {
  OpenPage();
  ChooseAccuracy(0);     // 1 ms
  Command(IDC_SW_MODE);  // normal mode, which pauses
  Command(IDC_SW_START);
  Tick(1000);
  const std::vector<std::string> counted = {"add plain Mipoウォッチ",
                                            "change running ストップウォッチ 00:00:00",
                                            "change running ストップウォッチ 00:00:01"};
  EXPECT_EQ(counted, icon_.calls);
  Tick(999);
  Command(IDC_SW_START);  // pause
  Command(IDC_SW_STOP);
  EXPECT_EQ("change paused ストップウォッチ 一時停止 00:00:01", icon_.calls[3]);
  EXPECT_EQ("change plain Mipoウォッチ", icon_.calls[4]);
  EXPECT_EQ(5u, icon_.calls.size());
}

TEST_F(StopwatchPageTest, SecondRunRowsAreShadedLightYellow) {
  OpenPage();
  Command(IDC_SW_START);
  Tick(5);
  Command(IDC_SW_STOP);
  Command(IDC_SW_START);
  Tick(5);
  Command(IDC_SW_STOP);
  ASSERT_EQ(2, Rows());

  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.hdr.hwndFrom = List();
  draw.nmcd.hdr.idFrom = IDC_SW_LAP_LIST;
  draw.nmcd.hdr.code = NM_CUSTOMDRAW;
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(CDRF_NOTIFYITEMDRAW,
            SendMessageA(Page(), WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&draw)));
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  draw.clrTextBk = 0x00FFFFFF;
  draw.nmcd.dwItemSpec = 0;
  EXPECT_EQ(CDRF_DODEFAULT,
            SendMessageA(Page(), WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(0x00FFFFFFu, draw.clrTextBk);
  draw.nmcd.dwItemSpec = 1;
  EXPECT_EQ(CDRF_NOTIFYITEMDRAW,
            SendMessageA(Page(), WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(0x0080FFFFu, draw.clrTextBk);

  // Any other notification is answered with 0, not with the last result.
  NMHDR other = {List(), IDC_SW_LAP_LIST, static_cast<UINT>(LVN_ITEMCHANGING)};
  EXPECT_EQ(0, SendMessageA(Page(), WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&other)));
}

TEST_F(StopwatchPageTest, ClearAndAccuracyChangeResetTheDisplayAtTheNewDecimals) {
  OpenPage();
  Command(IDC_SW_START);
  Tick(1234);
  Command(IDC_SW_STOP);
  ChooseAccuracy(1);
  EXPECT_EQ("00:00:00:00", Shown());
  EXPECT_EQ(1, Rows());

  Command(IDC_SW_START);
  EXPECT_EQ(10u, ticks_.period);
  Tick(100);
  Command(IDC_SW_STOP);
  ASSERT_EQ(2, Rows());
  EXPECT_EQ("00:00:01:234", Cell(0, 3));
  EXPECT_EQ((std::vector<std::string>{"2", "09:30:00.00", "09:30:01.00", "00:00:01:00",
                                      "00:00:01:00", "00:00:02:23", "00:00:01:12"}),
            RowCells(1));

  Command(IDC_SW_CLEAR);
  EXPECT_EQ(0, Rows());
  EXPECT_EQ("00:00:00:00", Shown());
  Command(IDC_SW_START);
  Tick(1);
  Command(IDC_SW_STOP);
  EXPECT_EQ("1", Cell(0, 0));
}

TEST_F(StopwatchPageTest, AutomaticStopAtTheHourLimitRecordsTheLastRow) {
  OpenPage();
  Command(IDC_SW_START);
  countClock_.Pass(359999998);  // and the tick that finds it
  Tick(1, false);
  EXPECT_EQ("99:59:59:998", Shown());
  Tick(5);
  EXPECT_EQ("99:59:59:999", Shown());
  EXPECT_FALSE(ticks_.armed);
  EXPECT_EQ("スタート", ItemText(Page(), IDC_SW_START));
  ASSERT_EQ(1, Rows());
  EXPECT_EQ("99:59:59:999", Cell(0, 4));
  EXPECT_EQ("13:29:59.999", Cell(0, 2));  // four days later, one millisecond short
}

TEST_F(StopwatchPageTest, HeaderMenuChecksColumnsAndOffersExportOnlyWhenStoppedWithRows) {
  OpenPage();
  HMENU menu = page_->BuildHeaderMenu();
  ASSERT_NE(nullptr, menu);
  EXPECT_EQ(8, GetMenuItemCount(menu));
  char text[64] = {};
  GetMenuStringA(menu, 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ("開始からの経過時間", text);
  GetMenuStringA(menu, IDM_SW_EXPORT_CSV, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ("CSVファイルに保存", text);
  GetMenuStringA(menu, IDM_SW_COPY_CLIPBOARD, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ("クリップボードにコピー", text);
  EXPECT_TRUE(MenuState(menu, IDM_SW_COLUMN_START_TIME) & MF_CHECKED);
  EXPECT_TRUE(MenuState(menu, IDM_SW_EXPORT_CSV) & MF_GRAYED);
  EXPECT_TRUE(MenuState(menu, IDM_SW_COPY_CLIPBOARD) & MF_GRAYED);
  DestroyMenu(menu);

  Command(IDC_SW_START);
  Tick(3);
  Command(IDC_SW_START);
  menu = page_->BuildHeaderMenu();
  EXPECT_TRUE(MenuState(menu, IDM_SW_EXPORT_CSV) & MF_GRAYED);  // running
  DestroyMenu(menu);

  Command(IDC_SW_STOP);
  Command(IDM_SW_COLUMN_CUMULATIVE, 0);
  menu = page_->BuildHeaderMenu();
  EXPECT_FALSE(MenuState(menu, IDM_SW_EXPORT_CSV) & MF_GRAYED);
  EXPECT_FALSE(MenuState(menu, IDM_SW_COPY_CLIPBOARD) & MF_GRAYED);
  EXPECT_FALSE(MenuState(menu, IDM_SW_COLUMN_CUMULATIVE) & MF_CHECKED);
  EXPECT_TRUE(MenuState(menu, IDM_SW_COLUMN_AVERAGE) & MF_CHECKED);
  DestroyMenu(menu);
}

bool g_menuOpened = false;
WNDPROC g_pageProcedure = nullptr;

LRESULT CALLBACK RecordMenuLoop(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERMENULOOP)
    g_menuOpened = true;
  return CallWindowProcA(g_pageProcedure, window, message, wParam, lParam);
}

TEST_F(StopwatchPageTest, ContextMenuRequestOnTheHeaderOffersTheMenuAndOnTheRowsNothing) {
  OpenPage();
  HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
  RECT headerRect = {};
  GetWindowRect(header, &headerRect);
  RECT listRect = {};
  GetWindowRect(List(), &listRect);
  g_pageProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(Page(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordMenuLoop)));

  g_menuOpened = false;
  SendMessageA(Page(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()),
               MAKELPARAM(listRect.left + 10, listRect.bottom - 10));
  EXPECT_FALSE(g_menuOpened);

  {
    testing_support::ModalScript user({testing_support::WhenMenu(
        [](HWND menu, const RECT&) { PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0); })});
    SendMessageA(Page(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()),
                 MAKELPARAM(headerRect.left + 5, headerRect.top + 3));
  }
  EXPECT_TRUE(g_menuOpened);
  SetWindowLongPtrA(Page(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pageProcedure));
}

TEST_F(StopwatchPageTest, ColumnSwitchedBackOnReturnsAfterTheShownColumnsEmptyAndNarrower) {
  OpenPage();
  Command(IDC_SW_START);
  Tick(500);
  Command(IDC_SW_STOP);

  Command(IDM_SW_COLUMN_START_TIME, 0);
  Command(IDM_SW_COLUMN_SINCE_START, 0);
  EXPECT_EQ((std::vector<std::string>{"回数", "計測時間", "経過時間", "累積時間", "平均時間"}),
            Headers());
  Command(IDM_SW_COLUMN_SINCE_START, 0);
  EXPECT_EQ((std::vector<std::string>{"回数", "計測時間", "経過時間", "開始からの経過時間",
                                      "累積時間", "平均時間"}),
            Headers());
  EXPECT_EQ((std::vector<int>{37, 75, 75, 75, 75, 75}), Widths());
  EXPECT_EQ((std::vector<std::string>{"1", "09:30:00.500", "00:00:00:500", "", "00:00:00:500",
                                      "00:00:00:500"}),
            RowCells(0));

  // Later rows fill the column again, in column order.
  Command(IDC_SW_START);
  Tick(250);
  Command(IDC_SW_STOP);
  EXPECT_EQ((std::vector<std::string>{"2", "09:30:00.250", "00:00:00:250", "00:00:00:250",
                                      "00:00:00:750", "00:00:00:375"}),
            RowCells(1));
}

TEST_F(StopwatchPageTest, WatchSettingsAreSavedAtDestroyAndRulesTheNextOpening) {
  OpenPage();
  Command(IDM_SW_COLUMN_START_TIME, 0);
  Command(IDM_SW_COLUMN_CUMULATIVE, 0);
  ChooseAccuracy(5);
  Command(IDC_SW_MODE);
  ClosePage();

  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber0"));
  EXPECT_EQ("0", ReadKey("Watch", "HeaderNumber1"));
  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber2"));
  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber3"));
  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber4"));
  EXPECT_EQ("0", ReadKey("Watch", "HeaderNumber5"));
  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber6"));
  EXPECT_EQ("5", ReadKey("Watch", "WatchAccuracy"));
  EXPECT_EQ("1", ReadKey("Watch", "WatchMode"));

  OpenPage();
  EXPECT_EQ(
      (std::vector<std::string>{"回数", "計測時間", "経過時間", "開始からの経過時間", "平均時間"}),
      Headers());
  EXPECT_EQ((std::vector<int>{37, 75, 75, 100, 75}), Widths());
  EXPECT_EQ(5, SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
  EXPECT_EQ("通常", ItemText(Page(), IDC_SW_MODE));
  EXPECT_EQ("000:00:00:00", Shown());
  Command(IDC_SW_START);
  EXPECT_EQ(10u, ticks_.period);
  EXPECT_EQ("一時停止", ItemText(Page(), IDC_SW_START));
  Tick(150);
  Command(IDC_SW_START);
  EXPECT_EQ((std::vector<std::string>{"1", "09:30:01.50", "000:00:01:50", "000:00:01:50",
                                      "000:00:01:50"}),
            RowCells(0));
}

TEST_F(StopwatchPageTest, HandEditedWatchValuesOpenASaneList) {
  testing_support::TestSettings().WriteString("Watch", "WatchAccuracy", "42");
  testing_support::TestSettings().WriteString("Watch", "WatchMode", "3");
  testing_support::TestSettings().WriteString("Watch", "HeaderNumber0", "1");
  testing_support::TestSettings().WriteString("Watch", "HeaderNumber1", "7");
  testing_support::TestSettings().WriteString("Watch", "HeaderNumber2", "1");
  testing_support::TestSettings().WriteString("Watch", "HeaderNumber3", "0");
  OpenPage();
  EXPECT_EQ((std::vector<std::string>{"回数", "計測時間", "経過時間"}), Headers());
  EXPECT_EQ(0, SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
  EXPECT_EQ("00:00:00:000", Shown());
  EXPECT_EQ("ラップ", ItemText(Page(), IDC_SW_MODE));
  Command(IDC_SW_START);
  EXPECT_EQ(1u, ticks_.period);
  Tick(2);
  Command(IDC_SW_STOP);
  EXPECT_EQ((std::vector<std::string>{"1", "09:30:00.002", "00:00:00:002"}), RowCells(0));
  ClosePage();
  EXPECT_EQ("0", ReadKey("Watch", "WatchAccuracy"));
  EXPECT_EQ("0", ReadKey("Watch", "WatchMode"));
  EXPECT_EQ("1", ReadKey("Watch", "HeaderNumber3"));
  EXPECT_EQ("0", ReadKey("Watch", "HeaderNumber4"));
}

TEST_F(StopwatchPageTest, TriggerMethodsAreReadEachTimeThePageIsShown) {
  testing_support::TestSettings().WriteString("SettingData", "StartWay", "7");
  testing_support::TestSettings().WriteString("SettingData", "TimeWay", "8");
  OpenPage();
  EXPECT_FALSE(Enabled(IDC_SW_START));
  EXPECT_EQ("スタート：スペースキー押下", Status());
  Command(IDC_SW_START);  // the button is not the start method
  EXPECT_EQ(0, Rows());
  EXPECT_FALSE(ticks_.armed);

  // Space pressed, as the key library reports it.
  SendMessageA(Page(), WM_MIPO_KEY_HOOK, VK_SPACE, 1);
  PumpMessages();
  EXPECT_TRUE(ticks_.armed);
  EXPECT_FALSE(Enabled(IDC_SW_START));
  EXPECT_TRUE(Enabled(IDC_SW_STOP));
  EXPECT_EQ("ラップ計測：Enterキー押下 ストップ：通常", Status());
  Tick(40);
  SendMessageA(Page(), WM_MIPO_KEY_HOOK, VK_RETURN, static_cast<LPARAM>(0x80000001u));  // release
  PumpMessages();
  EXPECT_EQ(0, Rows());
  SendMessageA(Page(), WM_MIPO_KEY_HOOK, VK_RETURN, 1);
  PumpMessages();
  EXPECT_EQ(1, Rows());

  // The settings tab puts everything back to the buttons; showing the page again applies it.
  testing_support::TestSettings().WriteString("SettingData", "StartWay", "0");
  testing_support::TestSettings().WriteString("SettingData", "TimeWay", "0");
  page_->Show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(Page()));
  EXPECT_FALSE(IsWindowVisible(statusBar_));
  Tick(10);  // a hidden page keeps counting
  page_->Show(SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(Page()));
  EXPECT_TRUE(Enabled(IDC_SW_START));
  EXPECT_EQ("ラップ計測：通常 ストップ：通常", Status());
  Command(IDC_SW_STOP);
  EXPECT_EQ("00:00:00:050", Cell(1, 4));
}

TEST_F(StopwatchPageTest, SameKeyForStartAndStopLeavesOneRowWithZeroSplit) {
  testing_support::TestSettings().WriteString("SettingData", "StartWay", "8");
  testing_support::TestSettings().WriteString("SettingData", "EndWay", "8");
  OpenPage();
  SendMessageA(Page(), WM_MIPO_KEY_HOOK, VK_RETURN, 1);
  PumpMessages();
  EXPECT_FALSE(page_->Engine().IsRunning());
  ASSERT_EQ(1, Rows());
  EXPECT_EQ("00:00:00:000", Cell(0, 3));
}

TEST_F(StopwatchPageTest, ListFillsThePageWidthAndEndsAboveTheStatusBar) {
  OpenPage();
  SendMessageA(statusBar_, WM_SIZE, 0, 0);
  RECT client = {};
  GetClientRect(parent_->Window(), &client);
  page_->Place(PageRect(client.right, client.bottom, kTabHeaderHeight, 30));
  PumpMessages();

  RECT pageClient = {};
  GetClientRect(Page(), &pageClient);
  RECT list = {};
  GetWindowRect(List(), &list);
  MapWindowPoints(nullptr, Page(), reinterpret_cast<POINT*>(&list), 2);
  RECT bar = {};
  GetWindowRect(statusBar_, &bar);
  MapWindowPoints(nullptr, Page(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(pageClient.right, list.right - list.left);
  EXPECT_EQ(bar.top - 5, list.bottom);
}

// The real tick source: it posts to the window it is bound to, and a stop drops
// what it queued there.
TEST_F(StopwatchPageTest, MultimediaTimerTicksReachThePage) {
  EXPECT_FALSE(systemTicks_.Arm(10));  // bound to no window yet
  OpenPage(true);
  ChooseAccuracy(1);
  Command(IDC_SW_START);
  const DWORD deadline = GetTickCount() + 3000;
  while (page_->Engine().Ticks() < 3 && GetTickCount() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    PumpMessages();
  }
  EXPECT_GE(page_->Engine().Ticks(), 3u);
  for (int i = 0; i < 3; ++i) PostMessageA(Page(), WM_MIPO_STOPWATCH_TICK, 0, 0);
  SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_SW_STOP, BN_CLICKED), 0);
  EXPECT_FALSE(QueuedTick());
  const uint64_t stopped = page_->Engine().Ticks();
  // Real time: that no tick comes after the stop can only be seen by letting 50
  // periods of the real 1 ms multimedia timer pass.
  Sleep(50);
  PumpMessages();
  EXPECT_FALSE(QueuedTick());
  EXPECT_EQ(stopped, page_->Engine().Ticks());
}

TEST_F(StopwatchPageTest, RunIsCountedByTheClockWhenTicksComeLate) {
  OpenPage();
  Command(IDC_SW_START);
  countClock_.Pass(1500);  // and a single late tick
  Tick(1, false);
  EXPECT_EQ("00:00:01:500", Shown());
  countClock_.Pass(25);
  Command(IDC_SW_STOP);
  ASSERT_EQ(1, Rows());
  EXPECT_EQ("00:00:01:525", Cell(0, 4));
  EXPECT_EQ("00:00:01:525", Shown());
}

TEST_F(StopwatchPageTest, PerformanceCounterClockRunsAtTheRateOfRealTime) {
  PerformanceCounterClock clock;
  const uint64_t before = clock.NowUnits();
  const DWORD start = GetTickCount();
  // Real time is what is measured: the counter against the system's tick count.
  Sleep(200);
  const uint64_t after = clock.NowUnits();
  const DWORD slept = GetTickCount() - start;
  ASSERT_GE(after, before);
  const double milliseconds = static_cast<double>(after - before) / 10000.0;
  EXPECT_NEAR(static_cast<double>(slept), milliseconds, 40.0);
  EXPECT_GE(milliseconds, 150.0);
}

TEST_F(StopwatchPageTest, PageNeverOpenedSavesNothing) {
  { StopwatchPage page(testing_support::TestSettings(), ticks_, countClock_, clock_, chooser_); }
  EXPECT_EQ("<missing>", ReadKey("Watch", "WatchAccuracy"));
}

// The announcements are paced by the clock the run is counted by: three
// seconds at 1 ms are heard as each second comes, and the stop at once.
TEST_F(StopwatchPageTest, ThreeSecondRunAtOneMillisecondAnnouncesEachSecondAndTheStop) {
  OpenPage();
  testing_support::NameChangeCounter changes(page_->Display().Window());
  Command(IDC_SW_START);
  Tick(2999);
  EXPECT_EQ(2, changes.Count());
  Tick(1);
  EXPECT_EQ(3, changes.Count());
  Command(IDC_SW_STOP);
  EXPECT_EQ(4, changes.Count());
}

}  // namespace
