// The notification area's icon: its tip and mark in each state, when the shell
// is asked to change them, the notification at a zero, and the pictures and
// shell decisions behind it.
#include "desktop/notification_area.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "desktop/notification_area_icon.h"
#include "support/fakes.h"

namespace {

using desktop::WatchView;

const WatchView kStopped = {desktop::kWatchStopped, false, 0};
WatchView Running(long long seconds, bool overTime = false) {
  return {desktop::kWatchRunning, overTime, seconds};
}
WatchView Paused(long long seconds, bool overTime = false) {
  return {desktop::kWatchPaused, overTime, seconds};
}

std::string Tip(const WatchView& countdown, const WatchView& stopwatch, size_t size = 128) {
  std::vector<char> out(size, 'x');
  desktop::FormatTip(countdown, stopwatch, out.data(), out.size());
  return out.data();
}

TEST(NotificationTip, NamesWhatRunsInTheProgramsWords) {
  EXPECT_EQ("タイマー 残り 00:04:59", Tip(Running(299), kStopped));
  EXPECT_EQ("タイマー 超過中！ 00:00:12", Tip(Running(12, true), kStopped));
  EXPECT_EQ("タイマー 一時停止 残り 00:04:59", Tip(Paused(299), kStopped));
  EXPECT_EQ("タイマー 一時停止 超過中！ 00:00:12", Tip(Paused(12, true), kStopped));
  EXPECT_EQ("ストップウォッチ 一時停止 9999:59:59", Tip(kStopped, Paused(35999999)));
  EXPECT_EQ("タイマー 残り 00:10:00\nストップウォッチ 00:01:23", Tip(Running(600), Running(83)));
  EXPECT_EQ("Mipoウォッチ", Tip(kStopped, kStopped));
}

TEST(NotificationTip, IsCutBetweenCharactersAndTheMarkShowsTheMostUrgentState) {
  // "タイマー" is eight bytes: nine bytes of room keep it, six never half of "マ".
  EXPECT_EQ("タイマー", Tip(Running(1), kStopped, 9));
  EXPECT_EQ("タイ", Tip(Running(1), kStopped, 6));
  EXPECT_EQ(desktop::kNoMark, desktop::MarkFor(kStopped, kStopped));
  EXPECT_EQ(desktop::kRunningMark, desktop::MarkFor(kStopped, Running(1)));
  EXPECT_EQ(desktop::kPausedMark, desktop::MarkFor(Paused(5), Running(1)));
  EXPECT_EQ(desktop::kOverTimeMark, desktop::MarkFor(Paused(5, true), Running(1)));
}

TEST(NotificationText, NamesWhatEndedAndNothingForARepeatsPass) {
  char text[desktop::kNotificationTextSize];
  ASSERT_TRUE(desktop::FormatZeroNotice({desktop::kEndZero, 600, false}, text, sizeof text));
  EXPECT_STREQ("タイマーの時間になりました（00:10:00）", text);
  ASSERT_TRUE(desktop::FormatZeroNotice({desktop::kOverrunZero, 90, false}, text, sizeof text));
  EXPECT_STREQ("タイマーの時間になりました（00:01:30）。超過時間を数えています", text);
  EXPECT_FALSE(desktop::FormatZeroNotice({desktop::kPassZero, 600, false}, text, sizeof text));
}

TEST(NotificationArea, StopwatchSecondsWaitForTheRunningCountdownsSecond) {
  fakes::NotificationIcon icon;
  desktop::NotificationArea area(icon);
  area.Switch(true);
  area.Stopwatch(Running(1));
  area.Countdown(Running(10));
  area.Stopwatch(Running(2));  // waits
  area.Countdown(Running(9));
  area.Stopwatch(Paused(2));  // a change of state does not wait
  const std::vector<std::string> expected = {
      "add plain Mipoウォッチ", "change running ストップウォッチ 00:00:01",
      "change running タイマー 残り 00:00:10\nストップウォッチ 00:00:01",
      "change running タイマー 残り 00:00:09\nストップウォッチ 00:00:02",
      "change running タイマー 残り 00:00:09\nストップウォッチ 一時停止 00:00:02"};
  EXPECT_EQ(expected, icon.calls);
}

TEST(NotificationArea, NotifiesEndsWhileShownComesBackWithTheShellAndGoesOnceAtTheEnd) {
  fakes::NotificationIcon icon;
  icon.addSucceeds = false;
  desktop::NotificationArea area(icon);
  area.Zero({desktop::kEndZero, 60, false});  // switched off
  area.Switch(true);                          // refused by the shell
  area.Countdown(Running(5));                 // nothing shown to change
  area.Zero({desktop::kEndZero, 5, false});
  icon.addSucceeds = true;
  area.Recreated();
  area.Zero({desktop::kPassZero, 60, false});
  area.Zero({desktop::kAlarmZero, 3600, false});
  area.End();
  area.End();
  area.Switch(true);  // too late
  area.Recreated();
  const std::vector<std::string> expected = {
      "add plain Mipoウォッチ", "add running タイマー 残り 00:00:05",
      "notify Mipoウォッチ: 目覚ましの時刻になりました（01:00:00）", "remove"};
  EXPECT_EQ(expected, icon.calls);
}

TEST(NotificationShell, StructureFollowsShell32AndEachUserActionAnswersOnce) {
  EXPECT_EQ(desktop::kNotifyLayout2000, desktop::NotifyLayoutFor(5, 0, 3900));
  EXPECT_EQ(desktop::kNotifyLayoutXp, desktop::NotifyLayoutFor(6, 0, 2900));
  EXPECT_EQ(desktop::kNotifyLayoutVista, desktop::NotifyLayoutFor(6, 0, 6000));
  EXPECT_EQ(desktop::kNotifyLayoutVista, desktop::NotifyLayoutFor(10, 0, 0));
  // Left button up, selection, key selection, notification click, right button
  // up, context menu: - nothing, F to the front, M the menu.
  const unsigned events[] = {desktop::kIconLeftButtonUp,  desktop::kIconSelect,
                             desktop::kIconKeySelect,     desktop::kIconBalloonClick,
                             desktop::kIconRightButtonUp, desktop::kIconContextMenu};
  const struct {
    unsigned version;
    const char* answers;
  } cases[] = {{4, "-FFF-M"}, {3, "FFFF-M"}, {0, "FFFFM-"}};
  for (const auto& c : cases) {
    std::string answers;
    for (unsigned event : events) answers += "-FM"[desktop::ActionForIconEvent(c.version, event)];
    EXPECT_EQ(c.answers, answers) << c.version;
  }
}

TEST(NotificationMarkPicture, PaintsADiscInTheCornerInTheStatesColourAndNothingWithoutAMark) {
  const std::uint32_t kBlank = 0x12345678u;
  const std::uint32_t kColours[] = {kBlank, 0xFF2E9E3Eu, 0xFFE8B400u, 0xFFD62828u};
  for (int size : {16, 20, 24, 32, 48}) {
    for (int mark = 0; mark < desktop::kIconMarkCount; ++mark) {
      std::vector<std::uint32_t> pixels(static_cast<size_t>(size) * size, kBlank);
      desktop::PaintMark(pixels.data(), size, static_cast<desktop::IconMark>(mark));
      EXPECT_EQ(kBlank, pixels[0]);                     // the picture stays
      EXPECT_EQ(kBlank, pixels[pixels.size() - size]);  // bottom left too
      EXPECT_EQ(kBlank, pixels.back());                 // outside the round disc
      // Inside the disc's rim, left of its middle row.
      const int left = size - (size * 11 + 8) / 16;
      const size_t inside = static_cast<size_t>(size - 1 - (size - left) / 2) * size + left + 1;
      EXPECT_EQ(kColours[mark], pixels[inside]) << size << " " << mark;
    }
  }
}

}  // namespace
