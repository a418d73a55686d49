#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "main_window_harness.h"
#include "settings_page/settings_dialog_ids.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "timer/timer_dialog_ids.h"

using namespace testing_support;

namespace {

class MainDialogTest : public MainWindowHarness {};

TEST_F(MainDialogTest, ShowsTitleTabsAndOnlyTheStartPagesStatusBar) {
  Open("titles");
  Create();
  EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[ストップウォッチ]");
  EXPECT_TRUE(IsWindowVisible(window_));
  ASSERT_EQ(SendMessageA(Tab(), TCM_GETITEMCOUNT, 0, 0), 3);
  const char* expected[] = {"ストップウォッチ", "タイマー", "設定"};
  for (int i = 0; i < 3; ++i) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(Tab(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, expected[i]);
  }
  for (int i = 0; i < 3; ++i) {
    ASSERT_NE(dialog_->StatusBar(i), nullptr);
    char cls[64] = {};
    GetClassNameA(dialog_->StatusBar(i), cls, sizeof(cls));
    EXPECT_STREQ(cls, "msctls_statusbar32");
    EXPECT_EQ(IsWindowVisible(dialog_->StatusBar(i)) != FALSE, i == 0) << i;
  }
  EXPECT_NE(app_->Stopwatch().Window(), nullptr);
  EXPECT_EQ(app_->Timer().Window(), nullptr);
  EXPECT_EQ(app_->SettingsTab().Window(), nullptr);
}

TEST_F(MainDialogTest, PagesAreCreatedOnceAndOnlyShownOrHiddenAfterwards) {
  Open("pages");
  Create();
  HWND stopwatch = app_->Stopwatch().Window();
  SelectTab(1);
  EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[タイマー]");
  HWND timer = app_->Timer().Window();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(IsWindowVisible(timer));
  EXPECT_FALSE(IsWindowVisible(stopwatch));
  EXPECT_TRUE(IsWindowVisible(dialog_->StatusBar(1)));
  EXPECT_FALSE(IsWindowVisible(dialog_->StatusBar(0)));

  SelectTab(2);
  EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[設定]");
  EXPECT_FALSE(IsWindowVisible(timer));
  SelectTab(0);
  EXPECT_EQ(app_->Stopwatch().Window(), stopwatch);
  EXPECT_EQ(app_->Timer().Window(), timer);
  EXPECT_TRUE(IsWindowVisible(stopwatch));
  EXPECT_FALSE(IsWindowVisible(app_->SettingsTab().Window()));
}

TEST_F(MainDialogTest, DestroyWritesPlacementSwitchAndTabWithSettingsStoredAsStopwatch) {
  Open("save-at-destroy");
  Create();
  SelectTab(2);
  Destroy();
  EXPECT_EQ(ReadKey("MainDlg", "Left"), "0");
  EXPECT_EQ(ReadKey("MainDlg", "Top"), "0");
  EXPECT_EQ(ReadKey("MainDlg", "Width"), "0");
  EXPECT_EQ(ReadKey("MainDlg", "Height"), "0");
  EXPECT_EQ(ReadKey("MainDlg", "AlwaysTop"), "0");
  EXPECT_EQ(ReadKey("MainDlg", "EndTabPos"), "0");

  Create();
  SelectTab(1);
  Destroy();
  EXPECT_EQ(ReadKey("MainDlg", "EndTabPos"), "1");
  Create();
  EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[タイマー]");
  EXPECT_EQ(app_->Stopwatch().Window(), nullptr);
}

TEST_F(MainDialogTest, EndingTheWindowsSessionSavesWhatACloseSaves) {
  Open("end-session");
  Create();
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_FRONT_SWITCH, BN_CLICKED), 0);
  CheckDlgButton(window_, IDC_FRONT_SWITCH, BST_CHECKED);
  SelectTab(1);
  // Asked first, the program never refuses; then the session ends.
  EXPECT_NE(SendMessageA(window_, WM_QUERYENDSESSION, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window_));
  SendMessageA(window_, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(window_)) << "a cancelled shutdown keeps the program running";
  SendMessageA(window_, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(ReadKey("MainDlg", "AlwaysTop"), "1");
  EXPECT_EQ(ReadKey("MainDlg", "EndTabPos"), "1");
  EXPECT_EQ(ReadKey("Timer", "TimerTime"), "60");
  EXPECT_EQ(app_->Timer().Window(), nullptr);
  window_ = nullptr;
}

TEST_F(MainDialogTest, StartTabFollowsEndTabAndIgnoresForeignValues) {
  Open("end-tab");
  testing_support::TestSettings().WriteString("MainDlg", "EndTabPos", "1");
  testing_support::TestSettings().WriteString("SettingData", "EndTab", "0");
  Create();
  EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[ストップウォッチ]");
  Destroy();

  testing_support::TestSettings().WriteString("SettingData", "EndTab", "1");
  for (const char* foreign : {"2", "-1", "7"}) {
    testing_support::TestSettings().WriteString("MainDlg", "EndTabPos", foreign);
    Create();
    EXPECT_EQ(WindowText(window_), "Mipoウォッチ　[ストップウォッチ]") << foreign;
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_NE(app_->Stopwatch().Window(), nullptr);
    Destroy();
  }
}

TEST_F(MainDialogTest, FirstRunShowsTheThreeNoticesOnceInOrder) {
  Open("first-run", false);
  Create();  // the notices follow a message posted at show, handled in it
  const std::vector<fakes::MessageBoxes::Box>& seen = boxes_.boxes;
  ASSERT_EQ(seen.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(seen[i].owner, window_);
    EXPECT_EQ(seen[i].caption, "Mipoウォッチ");
    EXPECT_EQ(seen[i].text, kFirstRunNotices[i]);
    EXPECT_EQ(seen[i].type, static_cast<UINT>(MB_ICONINFORMATION | MB_OK));
  }
  EXPECT_EQ(seen[0].text.substr(0, 18), "■■■■■■■■■");
  EXPECT_EQ(ReadKey("MainDlg", "FirstFlag"), "0");
  Destroy();
  Create();
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(MainDialogTest, FrontSwitchActsAtOnceButIsStoredOnlyAtClose) {
  Open("front");
  Create();
  EXPECT_EQ(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  SendMessageA(GetDlgItem(window_, IDC_FRONT_SWITCH), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_NE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(ReadKey("MainDlg", "AlwaysTop"), "<missing>");
  Destroy();
  EXPECT_EQ(ReadKey("MainDlg", "AlwaysTop"), "1");

  Create();
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_FRONT_SWITCH), BST_CHECKED);
  EXPECT_NE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(MainDialogTest, StoredPlacementIsRestoredExactlyUnlessNoMonitorShowsIt) {
  Open("placement");
  testing_support::TestSettings().WriteString("MainDlg", "Left", "40");
  testing_support::TestSettings().WriteString("MainDlg", "Top", "30");
  testing_support::TestSettings().WriteString("MainDlg", "Width", "333");
  testing_support::TestSettings().WriteString("MainDlg", "Height", "444");
  Create();
  RECT r = {};
  GetWindowRect(window_, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right - r.left, 333);
  EXPECT_EQ(r.bottom - r.top, 444);
  Destroy();
  // Not moved by the user: the stored record goes back unchanged.
  EXPECT_EQ(ReadKey("MainDlg", "Width"), "333");

  testing_support::TestSettings().WriteString("MainDlg", "Left", "5000");
  Create();
  GetWindowRect(window_, &r);
  EXPECT_EQ(r.right - r.left, 333);
  EXPECT_LT(r.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GE(r.left, 0);
}

// The dialog manager turns Esc into IDCANCEL and Enter into IDOK; the main
// window has no such buttons and only its close command ends it. Each key
// goes through IsDialogMessage, as the modal loop hands it over.
TEST_F(MainDialogTest, EscAndEnterLeaveTheWindowOpen) {
  Open("keys");
  Create();
  for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    SetFocus(Tab());
    MSG message = {GetFocus(), WM_KEYDOWN, key, 1};
    if (!IsDialogMessageA(window_, &message))
      DispatchMessageA(&message);
    PumpMessages();
    EXPECT_TRUE(IsWindow(window_)) << key;
    EXPECT_TRUE(IsWindowVisible(window_)) << key;
  }
  for (WPARAM command : {IDCANCEL, IDOK}) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(window_)) << command;
    EXPECT_TRUE(IsWindowVisible(window_)) << command;
  }
}

TEST_F(MainDialogTest, FirstRunCentresTheWindow) {
  Open("centre");
  Create();
  RECT r = {};
  GetWindowRect(window_, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) / 2 - w / 2);
  EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) / 2 - h / 2);
}

TEST_F(MainDialogTest, MinimumTrackingSizeIsTemplateWidthAndStartButtonRow) {
  Open("min-size");
  Create();
  const POINT least = LeastTrackingSize(window_);
  RECT own = {};
  GetWindowRect(window_, &own);
  EXPECT_EQ(least.x, own.right - own.left);
  RECT button = {};
  GetWindowRect(app_->Stopwatch().StartButton(), &button);
  RECT bar = {};
  GetWindowRect(dialog_->StatusBar(0), &bar);
  EXPECT_EQ(least.y, (bar.bottom - bar.top) + (button.bottom - own.top) + 10);
}

TEST_F(MainDialogTest, ResizingLaysOutBarsTabAndPages) {
  Open("layout");
  Create();
  SetWindowPos(window_, nullptr, 0, 0, 500, 600, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  RECT client = {};
  GetClientRect(window_, &client);
  RECT bar = {};
  GetWindowRect(dialog_->StatusBar(0), &bar);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right);
  RECT page = {};
  GetWindowRect(app_->Stopwatch().Window(), &page);
  EXPECT_EQ(page.right - page.left, client.right - 20);
  RECT front = {};
  GetWindowRect(GetDlgItem(window_, IDC_FRONT_SWITCH), &front);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&front), 2);
  EXPECT_EQ(front.right, client.right - 1);
}

// The road of a wake: the system's resume message to the main window, the
// timer page, and the clock that went on through the sleep, as Application
// wires them. A countdown asleep over its zero ends there at the wake.
TEST_F(MainDialogTest, ResumeAfterASleepEndsTheCountdownItSleptThrough) {
  Open("resume");
  Create(true);
  SelectTab(1);
  HWND page = app_->Timer().Window();
  ASSERT_NE(page, nullptr);
  SetDlgItemTextA(page, IDC_TM_HOURS, "00");
  SetDlgItemTextA(page, IDC_TM_MINUTES, "00");
  SetDlgItemTextA(page, IDC_TM_SECONDS, "10");
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_TM_START, BN_CLICKED), 0);
  ASSERT_TRUE(app_->Timer().Engine().Running());
  fine_.Pass(2000);
  coarse_.Pass(2000);
  SendMessageA(window_, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(8, app_->Timer().Engine().Remaining());
  // Ten minutes asleep: the fine clock stood still, the coarse one went on.
  coarse_.Pass(600000);
  SendMessageA(window_, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  PumpMessages();
  EXPECT_EQ("00:00:00", std::string(app_->Timer().Display().Text()));
  EXPECT_EQ(1, app_->Timer().Engine().Zeros());
  EXPECT_FALSE(app_->Timer().Engine().Running());
}

// Data.ini changed while another tab is in front (another copy of the program,
// a hand edit) is what the stopwatch takes when its tab comes back: the start
// button, the status text and the hook library follow the file.
TEST_F(MainDialogTest, TriggerMethodsWrittenBehindTheStopwatchTakeOverWhenItsTabReturns) {
  Open("methods-behind");
  Create();
  HWND stopwatch = app_->Stopwatch().Window();
  ASSERT_NE(stopwatch, nullptr);
  SelectTab(1);
  TestSettings().WriteString("SettingData", "StartWay", "3");
  SelectTab(0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(stopwatch, IDC_SW_START)));
  EXPECT_EQ(StatusText(0), "スタート：右クリックDOWN");
  EXPECT_NE(GetModuleHandleA("MouseHook.dll"), nullptr);

  SelectTab(1);
  TestSettings().WriteString("SettingData", "StartWay", "0");
  SelectTab(0);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(stopwatch, IDC_SW_START)));
  EXPECT_EQ(StatusText(0), "スタート：通常");
  EXPECT_EQ(GetModuleHandleA("MouseHook.dll"), nullptr);
}

// Leaving the settings tab saves it, and the other pages take what Data.ini
// then holds: the stopwatch its trigger methods when it is shown, the timer its
// bell file at once; a refused bell file leaves the stored one.
TEST_F(MainDialogTest, LeavingTheSettingsTabSavesItAndThePagesTakeWhatDataIniHolds) {
  Open("settings-saved");
  const std::string bell = folder_ + "\\bell.wav";
  const std::string other = folder_ + "\\other.wav";
  WriteFileBytes(bell, "RIFF");
  Create();
  SelectTab(1);  // the timer page exists
  SelectTab(2);
  HWND settings = app_->SettingsTab().Window();
  ASSERT_NE(settings, nullptr);
  SendDlgItemMessageA(settings, IDC_SETTINGS_START_METHOD, CB_SETCURSEL, 7, 0);
  SetDlgItemTextA(settings, IDC_SETTINGS_BELL_FILE, bell.c_str());
  SelectTab(0);
  EXPECT_EQ(7, app_->Stopwatch().Engine().TriggerMethods().start);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(app_->Stopwatch().Window(), IDC_SW_START)));
  EXPECT_EQ(bell, ReadKey("SettingData", "BellFile"));
  EXPECT_EQ(bell, app_->Timer().Engine().BellFile());

  SelectTab(2);
  SetDlgItemTextA(settings, IDC_SETTINGS_BELL_FILE, (folder_ + "\\missing.txt").c_str());
  SelectTab(1);
  EXPECT_EQ(1u, boxes_.boxes.size());
  EXPECT_EQ(bell, app_->Timer().Engine().BellFile());
  // Another copy of the program stored a bell file meanwhile: the timer reads
  // the file, whoever wrote it.
  SelectTab(2);
  TestSettings().WriteString("SettingData", "BellFile", other.c_str());
  SelectTab(1);
  EXPECT_EQ(other, app_->Timer().Engine().BellFile());
  // The close saves the settings page again: with nothing to refuse this time.
  SetDlgItemTextA(settings, IDC_SETTINGS_BELL_FILE, "");
}

}  // namespace
