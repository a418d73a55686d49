// What the timer page tells the desktop: progress at each second and state
// change, the zero with whether the full-screen display covers it, the made-up
// seconds after a wake, where the full-screen display stands, and what the
// notification area's icon shows and says.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timer_page_fixture.h"

namespace {

using timer_page_test::TimerPageTest;

class TimerDesktopTest : public TimerPageTest {
 protected:
  void OpenReportingPage() { OpenPage(activity_); }
  fakes::ActivityReport activity_;
};

TEST_F(TimerDesktopTest, ARunReportsEachSecondItsPauseItsZeroAndItsEnd) {
  OpenReportingPage();
  SetFields("00", "00", "03");
  Click(IDC_TM_START);
  Tick();
  Click(IDC_TM_START);  // pause
  Click(IDC_TM_START);  // resume
  Tick(2);
  const std::vector<std::string> expected = {"normal 0/3", "normal 1/3", "paused 1/3", "normal 1/3",
                                             "normal 2/3", "normal 3/3", "none 0/0"};
  EXPECT_EQ(expected, activity_.progress);
  EXPECT_EQ((std::vector<bool>{false}), activity_.zeros);
}

TEST_F(TimerDesktopTest, ZeroUnderTheFullScreenDisplayIsReportedAsCovered) {
  OpenReportingPage();
  Toggle(IDC_TM_MAX_DISPLAY);
  SetFields("00", "00", "01");
  Click(IDC_TM_START);
  Tick();
  EXPECT_EQ((std::vector<bool>{true}), activity_.zeros);
}

TEST_F(TimerDesktopTest, WakingAfterZeroMakesUpTheOverrunAtOnce) {
  OpenReportingPage();
  ChooseMode(timer::kOverrun);
  SetFields("00", "00", "10");
  Click(IDC_TM_START);
  runClock_.Pass(25000);
  page_->CatchUpAfterSleep();
  EXPECT_EQ("00:00:15", Shown());
  EXPECT_TRUE(page_->Engine().Overrun());
  EXPECT_EQ((std::vector<bool>{false}), activity_.zeros);
  EXPECT_EQ("error 1/1", activity_.progress.back());
  // The timer service's late ticks after the wake count nothing more.
  Tick(3, false);
  EXPECT_EQ("00:00:15", Shown());
}

// The page told the program's desktop, with the notification area's icon
// recorded.
class TimerNotificationTest : public TimerPageTest {
 protected:
  void OpenPresentPage() {
    OpenPage(presence_);
    presence_.NotificationAreaSwitched(true);
  }
  fakes::Desktop desktop_;
  fakes::NotificationIcon icon_;
  desktop::DesktopPresence presence_{desktop_, desktop_, desktop_, icon_};
};

TEST_F(TimerNotificationTest, TipFollowsEachSecondAndStateAndOverrunsZeroIsNotifiedOnce) {
  OpenPresentPage();
  ChooseMode(timer::kOverrun);
  SetFields("00", "00", "02");
  Click(IDC_TM_START);
  Tick();
  Click(IDC_TM_START);  // pause
  Click(IDC_TM_START);  // resume
  Tick(3);
  Click(IDC_TM_STOP);
  const std::vector<std::string> expected = {
      "add plain Mipoウォッチ",
      "change running タイマー 残り 00:00:02",
      "change running タイマー 残り 00:00:01",
      "change paused タイマー 一時停止 残り 00:00:01",
      "change running タイマー 残り 00:00:01",
      "change running タイマー 残り 00:00:00",
      "notify Mipoウォッチ: タイマーの時間になりました（00:00:02）。超過時間を数えています",
      "change over タイマー 超過中！ 00:00:01",
      "change over タイマー 超過中！ 00:00:02",
      "change plain Mipoウォッチ"};
  EXPECT_EQ(expected, icon_.calls);
}

TEST_F(TimerNotificationTest, RepeatIsNotifiedAtItsEndOnlyAndOnlyBehindOtherWindows) {
  OpenPresentPage();
  ChooseMode(timer::kRepeat);
  Choose(IDC_TM_REPEAT, 2);
  SetFields("00", "00", "01");
  Click(IDC_TM_START);
  Tick(3);  // three passes, three zeros, one end
  EXPECT_EQ(3, desktop_.flashes);
  EXPECT_EQ(1, icon_.Count("notify"));
  EXPECT_EQ(1, icon_.Count("notify Mipoウォッチ: タイマーの時間になりました（00:00:01）"));
  desktop_.inFront = true;
  Click(IDC_TM_START);
  Tick(3);
  EXPECT_EQ(1, icon_.Count("notify"));
}

TEST_F(TimerDesktopTest, FullScreenCoversTheMonitorOfTheMainWindow) {
  OpenReportingPage();
  Toggle(IDC_TM_MAX_DISPLAY);
  SetFields("00", "01", "00");
  Click(IDC_TM_START);
  RECT shown = {};
  GetWindowRect(page_->MaxDisplay().Window(), &shown);
  EXPECT_EQ(parent_->Window(), monitors_.asked);
  EXPECT_EQ(0, shown.left);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), shown.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), shown.bottom);
  // The main window moved to a second monitor: the display goes there with it.
  Click(IDC_TM_STOP);
  monitors_.area = {1024, 100, 1024 + 800, 100 + 600};
  SetFields("00", "01", "00");
  Click(IDC_TM_START);
  GetWindowRect(page_->MaxDisplay().Window(), &shown);
  EXPECT_EQ(1024, shown.left);
  EXPECT_EQ(100, shown.top);
  EXPECT_EQ(1824, shown.right);
  EXPECT_EQ(700, shown.bottom);
}

}  // namespace
