// What the desktop is asked as the two watches start, pause and stop: the
// taskbar progress, the awake request, and the call for attention and the
// notification at zero.
#include "desktop/desktop_presence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"

namespace {

using desktop::ProgressView;

struct Recorder : fakes::Desktop, fakes::NotificationIcon {};

const ProgressView kNone = {desktop::kNoProgress, 0, 0};
ProgressView Normal(long long done, long long total) {
  return {desktop::kNormalProgress, done, total};
}

TEST(DesktopPresence, CountdownProgressReachesTheTaskbarOnlyWhenItChanges) {
  Recorder r;
  desktop::DesktopPresence presence(r, r, r, r);
  presence.CountdownChanged(Normal(1, 10));
  presence.CountdownChanged(Normal(1, 10));
  presence.CountdownChanged(Normal(2, 10));
  presence.CountdownChanged({desktop::kPausedProgress, 2, 10});
  presence.CountdownChanged(kNone);
  EXPECT_EQ((std::vector<std::string>{"normal 1/10", "normal 2/10", "paused 2/10", "none 0/0"}),
            r.shown);
  EXPECT_EQ((std::vector<bool>{true, false}), r.holds);
}

TEST(DesktopPresence, StopwatchAloneIsIndeterminateAndTheCountdownTakesPrecedence) {
  Recorder r;
  desktop::DesktopPresence presence(r, r, r, r);
  presence.StopwatchTicking(true);
  presence.CountdownChanged(Normal(3, 10));
  presence.CountdownChanged({desktop::kPausedProgress, 3, 10});
  presence.CountdownChanged(kNone);
  presence.StopwatchTicking(false);
  EXPECT_EQ(
      (std::vector<std::string>{"busy 0/0", "normal 3/10", "paused 3/10", "busy 0/0", "none 0/0"}),
      r.shown);
  // Held from the stopwatch's start to its stop: the paused countdown changes nothing.
  EXPECT_EQ((std::vector<bool>{true, false}), r.holds);
}

TEST(DesktopPresence, AwakeRequestEndsAtPauseAndAtTheEndOfTheProgram) {
  Recorder r;
  {
    desktop::DesktopPresence presence(r, r, r, r);
    presence.CountdownChanged(Normal(0, 5));
    presence.CountdownChanged({desktop::kPausedProgress, 0, 5});
    EXPECT_FALSE(presence.AwakeHeld());
    presence.CountdownChanged({desktop::kErrorProgress, 1, 1});
    EXPECT_TRUE(presence.AwakeHeld());
  }
  EXPECT_EQ((std::vector<bool>{true, false, true, false}), r.holds);
  EXPECT_EQ("none 0/0", r.shown.back());
}

TEST(DesktopPresence, ANewTaskbarButtonIsToldTheCurrentState) {
  Recorder r;
  desktop::DesktopPresence presence(r, r, r, r);
  presence.CountdownChanged(Normal(4, 8));
  presence.TaskbarReady();
  EXPECT_EQ((std::vector<std::string>{"normal 4/8", "normal 4/8"}), r.shown);
}

TEST(DesktopPresence, ZeroFlashesAndNotifiesOnlyBehindOtherWindowsAndNotOverTheFullScreen) {
  Recorder r;
  desktop::DesktopPresence presence(r, r, r, r);
  presence.NotificationAreaSwitched(true);
  desktop::ZeroReport zero = {desktop::kEndZero, 600, false};
  presence.CountdownReachedZero(zero);
  EXPECT_EQ(1, r.flashes);
  EXPECT_EQ(1, r.Count("notify"));
  zero.fullScreenShown = true;
  presence.CountdownReachedZero(zero);
  zero.fullScreenShown = false;
  r.inFront = true;
  presence.CountdownReachedZero(zero);
  EXPECT_EQ(1, r.flashes);
  EXPECT_EQ(1, r.Count("notify"));
  // The icon goes with the program, once.
  presence.End();
  presence.End();
  EXPECT_EQ(1, r.Count("remove"));
}

}  // namespace
