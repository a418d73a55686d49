// A timer page in a plain parent window with its own status bar, driven the way
// a user's clicks and the timer service would drive it: commands are sent,
// one-second ticks are posted; the clocks, the name dialog, the bell device and
// the message boxes are stand-ins.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/clock.h"
#include "ui/messages.h"
#include "settings/settings_file_win32.h"
#include "timer/timer_dialog_ids.h"
#include "timer/timer_page_win32.h"
#include "support/fakes_win32.h"
#include "win32_test_support.h"

namespace timer_page_test {

class TimerPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = testing_support::UseFreshSettings(std::string("timer_") + info->test_suite_name() +
                                                "_" + info->name());
    clock_.now = {2024, 5, 3, 10, 12, 0, 0, 0};
    parent_.reset(new testing_support::TestParentWindow(500, 500));
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 parent_->Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  void TearDown() override {
    ClosePage();
    if (statusBar_ != nullptr)
      DestroyWindow(statusBar_);
    parent_.reset();
  }

  // Creates the page (settings are read now) on the recording tick source,
  // the fake clocks, name dialog, bell device and boxes, telling activity what
  // it does.
  void OpenPage(desktop::ActivityReport& activity = desktop::UnheardActivity()) {
    page_.reset(new TimerPage(testing_support::TestSettings(), ticks_, runClock_, clock_, names_,
                              bellDevice_, monitors_, boxes_, activity));
    page_->Open(parent_->Window(), statusBar_, 20);
    testing_support::PumpMessages();
    ASSERT_NE(nullptr, Page());
  }

  // Destroys the page dialog (which saves the Timer section) and the object.
  void ClosePage() {
    if (page_ && page_->Window() != nullptr)
      DestroyWindow(page_->Window());
    testing_support::PumpMessages();
    page_.reset();
  }

  void ReopenPage() {
    ClosePage();
    OpenPage();
  }

  HWND Page() const { return page_->Window(); }
  HWND Item(int id) const { return GetDlgItem(Page(), id); }
  std::string Text(int id) const { return testing_support::ItemText(Page(), id); }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Checked(int id) const { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }

  void Command(int id, int code = BN_CLICKED) {
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    testing_support::PumpMessages();
  }
  void Click(int id) { Command(id, BN_CLICKED); }
  void Toggle(int id) {
    CheckDlgButton(Page(), id, Checked(id) ? BST_UNCHECKED : BST_CHECKED);
    Click(id);
  }
  void Choose(int id, int position) {
    SendMessageA(Item(id), CB_SETCURSEL, position, 0);
    Command(id, CBN_SELCHANGE);
  }
  int Selected(int id) const {
    return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
  }
  int ComboCount(int id) const {
    return static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
  }
  std::string ComboEntry(int id, int position) const {
    char text[256] = {};
    if (SendMessageA(Item(id), CB_GETLBTEXTLEN, position, 0) < 256)
      SendMessageA(Item(id), CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // Types into the edit field of a combo box, as keystrokes would.
  void Type(int id, const char* text) {
    HWND edit = FindWindowExA(Item(id), nullptr, "Edit", nullptr);
    SetWindowTextA(edit, text);
    Command(id, CBN_EDITCHANGE);
  }
  void SetFields(const char* h, const char* m, const char* s) {
    SetDlgItemTextA(Page(), IDC_TM_HOURS, h);
    SetDlgItemTextA(Page(), IDC_TM_MINUTES, m);
    SetDlgItemTextA(Page(), IDC_TM_SECONDS, s);
  }
  std::string Fields() const {
    return Text(IDC_TM_HOURS) + ":" + Text(IDC_TM_MINUTES) + ":" + Text(IDC_TM_SECONDS);
  }
  void ChooseMode(int mode) { Choose(IDC_TM_MODE, mode); }

  // Seconds of the timer service, each a second after the last; with moveClock
  // false they come late, the clock already moved by the test.
  void Tick(int count = 1, bool moveClock = true) {
    for (int i = 0; i < count; ++i) {
      if (moveClock)
        runClock_.Pass(1000);
      PostMessageA(Page(), WM_MIPO_TIMER_TICK, 0, 0);
      testing_support::PumpMessages();
    }
  }

  std::string Shown() const { return page_->Display().Text(); }
  std::string Status() const { return testing_support::StatusBarText(statusBar_); }

  // The bell-time picker set to a time of day.
  void Pick(int hour, int minute, int second) {
    SYSTEMTIME time = {clock_.now.year, clock_.now.month, clock_.now.dayOfWeek, clock_.now.day};
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    SendMessageA(Item(IDC_TM_BELL_PICKER), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&time));
  }
  int BellTimeCount() const {
    return static_cast<int>(SendMessageA(Item(IDC_TM_BELL_TIMES), LB_GETCOUNT, 0, 0));
  }
  std::string BellTime(int index) const {
    char text[256] = {};
    if (SendMessageA(Item(IDC_TM_BELL_TIMES), LB_GETTEXTLEN, index, 0) < 256)
      SendMessageA(Item(IDC_TM_BELL_TIMES), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
  }
  int SelectedBellTime() const {
    return static_cast<int>(SendMessageA(Item(IDC_TM_BELL_TIMES), LB_GETCURSEL, 0, 0));
  }

  void SetClock(int hour, int minute, int second) { clock_.Set(hour, minute, second); }

  static void WriteKey(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, testing_support::TestSettings().Path());
  }

  std::string folder_;
  std::unique_ptr<testing_support::TestParentWindow> parent_;
  HWND statusBar_ = nullptr;
  fakes::TickSource ticks_;
  fakes::MonotonicClock runClock_;
  fakes::LocalClock clock_;
  fakes::MonitorLookup monitors_;
  fakes::PresetNameAsker names_;
  fakes::BellDevice bellDevice_;
  fakes::MessageBoxes boxes_;
  std::unique_ptr<TimerPage> page_;
};

}  // namespace timer_page_test
