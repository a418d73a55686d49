// The main dialog's icon in the notification area, through the real
// Shell_NotifyIconA (Wine's own tray window holds it): there while the program
// runs and the switch is on, gone at every end the program controls, back when
// the shell's area is made again, and answering its events.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "main_window_harness.h"
#include "settings_page/settings_dialog_ids.h"
#include "ui/messages.h"

using namespace testing_support;

namespace {

// Only an icon the shell holds can be changed: a change asking for nothing
// tells whether window's icon is there.
bool ShellHoldsIcon(HWND window) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 1;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

class NotificationIconTest : public MainWindowHarness {
 protected:
  // The icon's event as the shell sends it under the version it accepted.
  void SendIconEvent(UINT event) {
    const unsigned version = app_->Services().notificationIcon.Version();
    const LPARAM lParam = version >= 4 ? MAKELPARAM(event, 1) : static_cast<LPARAM>(event);
    SendMessageA(window_, WM_MIPO_NOTIFICATION_ICON, 0, lParam);
  }
};

// Wine's tray drops the icons of a window that is gone by itself, which
// Windows does not (they stay until the mouse passes over them): that the
// program takes its icon away shows only in what it asked.
TEST_F(NotificationIconTest, TheShellTakesTheIconAndTheCloseAndTheSessionsEndTakeItAway) {
  Open("tray-life");
  Create();
  ASSERT_TRUE(app_->Services().notificationIcon.Shown()) << "Shell_NotifyIconA(NIM_ADD) failed";
  EXPECT_TRUE(ShellHoldsIcon(window_));
  std::printf("shell32's structure: %d (0 Windows 2000, 1 XP, 2 Vista), behaviour version %u\n",
              static_cast<int>(app_->Services().notificationIcon.Layout()),
              app_->Services().notificationIcon.Version());
  DestroyWindow(window_);
  EXPECT_FALSE(app_->Services().notificationIcon.Shown());
  Destroy();
  Open("tray-session");
  Create();
  ASSERT_TRUE(app_->Services().notificationIcon.Shown());
  SendMessageA(window_, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(app_->Services().notificationIcon.Shown());
}

// Adding the icon loads shell32, which the first window does not need.
TEST_F(NotificationIconTest, TheIconIsAddedOnlyOnceTheWindowShows) {
  Open("tray-after-show");
  CreateUnshown();
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_FALSE(app_->Services().notificationIcon.Shown());
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_TRUE(app_->Services().notificationIcon.Shown());
  EXPECT_TRUE(ShellHoldsIcon(window_));
}

TEST_F(NotificationIconTest, ANewNotificationAreaGetsTheIconBack) {
  Open("tray-explorer");
  Create();
  const UINT created = RegisterWindowMessageA("TaskbarCreated");
  SendMessageA(window_, created, 0, 0);  // an announcement while the shell still has it
  EXPECT_TRUE(app_->Services().notificationIcon.Shown());
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));  // as a restarted Explorer has none
  ASSERT_FALSE(ShellHoldsIcon(window_));
  SendMessageA(window_, created, 0, 0);
  EXPECT_TRUE(ShellHoldsIcon(window_));
}

TEST_F(NotificationIconTest, StoredOffShowsNoIconAndTheSwitchActsAtOnceAndIsStored) {
  Open("tray-switch");
  TestSettings().WriteString("SettingData", "NotifyIcon", "0");
  Create();
  EXPECT_FALSE(ShellHoldsIcon(window_));
  // The settings tab: the box shows the stored value; a click is in force at once.
  SendMessageA(GetDlgItem(window_, IDC_MAIN_TAB), TCM_SETCURSEL, 2, 0);
  NMHDR changed = {nullptr, IDC_MAIN_TAB, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(window_, WM_NOTIFY, IDC_MAIN_TAB, reinterpret_cast<LPARAM>(&changed));
  HWND settings = app_->SettingsTab().Window();
  ASSERT_NE(settings, nullptr);
  HWND box = GetDlgItem(settings, IDC_SETTINGS_NOTIFICATION_AREA);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(ShellHoldsIcon(window_));
  EXPECT_EQ("0", ReadKey("SettingData", "NotifyIcon"));  // stored with the others
  app_->SettingsTab().SaveSettings();
  EXPECT_EQ("1", ReadKey("SettingData", "NotifyIcon"));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_FALSE(ShellHoldsIcon(window_));
  DestroyWindow(window_);
  EXPECT_EQ("0", ReadKey("SettingData", "NotifyIcon"));
}

TEST_F(NotificationIconTest, AClickOrTheNotificationBringsTheWindowToTheFrontAndExitCloses) {
  Open("tray-front");
  Create();
  TestParentWindow other;
  // Version 4 reports a click as a selection, earlier versions as the button.
  const UINT click = app_->Services().notificationIcon.Version() >= 4 ? NIN_SELECT : WM_LBUTTONUP;
  for (UINT event :
       {click, static_cast<UINT>(NIN_KEYSELECT), static_cast<UINT>(NIN_BALLOONUSERCLICK)}) {
    ShowWindow(other.Window(), SW_SHOW);
    SetForegroundWindow(other.Window());
    PumpMessages();
    ASSERT_EQ(other.Window(), GetForegroundWindow());
    SendIconEvent(event);
    PumpMessages();
    EXPECT_EQ(window_, GetForegroundWindow()) << event;
  }
  HMENU menu = BuildNotificationMenu(IDM_NOTIFY_SHOW_WINDOW, IDM_NOTIFY_EXIT);
  char show[64] = {}, exit[64] = {};
  GetMenuStringA(menu, IDM_NOTIFY_SHOW_WINDOW, show, sizeof show, MF_BYCOMMAND);
  GetMenuStringA(menu, IDM_NOTIFY_EXIT, exit, sizeof exit, MF_BYCOMMAND);
  DestroyMenu(menu);
  EXPECT_EQ(std::string("ウィンドウを表示/終了"), std::string(show) + "/" + exit);
  // 終了 as the close box: the modal run would end (the test's modeless dialog
  // only hides) and the close saves.
  SendMessageA(GetDlgItem(window_, IDC_FRONT_SWITCH), BM_CLICK, 0, 0);
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_NOTIFY_EXIT, 0), 0);
  EXPECT_FALSE(IsWindowVisible(window_));
  DestroyWindow(window_);
  EXPECT_EQ("1", ReadKey("MainDlg", "AlwaysTop"));
}

}  // namespace
