#include "triggers/trigger_rules.h"

#include "triggers/trigger_methods.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace triggers {
namespace {

std::vector<TriggerAction> Actions(const TriggerPlan& plan) {
  return std::vector<TriggerAction>(plan.actions, plan.actions + plan.count);
}

const TriggerAction kStart = TriggerAction::kStartOrLap;
const TriggerAction kStop = TriggerAction::kStopRun;
using Plan = std::vector<TriggerAction>;

// A key press as the keyboard-hook convention gives it: repeat count 1, scan code.
const std::intptr_t kSpacePressFlags = 0x00390001;

TEST(TriggerEvents, EachMouseButtonMessageStandsForItsMethodAndOthersForNone) {
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x201), 1);
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x202), 2);
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x204), 3);
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x205), 4);
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x207), 5);
  EXPECT_EQ(TriggerMethodFromMouseMessage(0x208), 6);
  // Move, double clicks, wheel and extra buttons are not methods.
  for (std::uintptr_t other : {0x0u, 0x200u, 0x203u, 0x206u, 0x209u, 0x20Au, 0x20Bu, 0x20Cu}) {
    EXPECT_EQ(TriggerMethodFromMouseMessage(other), 0) << other;
  }
}

TEST(TriggerEvents, OnlySpaceAndEnterPressesAreKeyMethods) {
  EXPECT_EQ(TriggerMethodFromKeyMessage(32, kSpacePressFlags), kTriggerSpaceKey);
  EXPECT_EQ(TriggerMethodFromKeyMessage(13, 0x001C0001), kTriggerEnterKey);
  // An auto-repeated press (bit 30, key was already down) still counts.
  EXPECT_EQ(TriggerMethodFromKeyMessage(32, 0x40390001), kTriggerSpaceKey);
  EXPECT_EQ(TriggerMethodFromKeyMessage(65, kSpacePressFlags), 0);
  EXPECT_EQ(TriggerMethodFromKeyMessage(27, kSpacePressFlags), 0);
}

TEST(TriggerEvents, KeyReleaseAndEmptyFlagsAreIgnored) {
  EXPECT_EQ(TriggerMethodFromKeyMessage(32, 0), 0);
  EXPECT_EQ(TriggerMethodFromKeyMessage(32, -1), 0);
  // Release: bit 31 set. On a 64-bit host the parameter holds it as a large
  // positive value; it is still a negative 32-bit value and must be ignored.
  EXPECT_EQ(TriggerMethodFromKeyMessage(32, static_cast<std::intptr_t>(0xC0390001u)), 0);
  EXPECT_EQ(TriggerMethodFromKeyMessage(13, static_cast<std::intptr_t>(0x80000000u)), 0);
}

TEST(TriggerChecks, EachActionFiresOnlyForItsMethodAndState) {
  const TriggerMethods methods = {1, 7, 3};
  EXPECT_EQ(Actions(PlanTrigger(methods, false, 1, false)), Plan({kStart}));
  EXPECT_EQ(Actions(PlanTrigger(methods, true, 1, false)), Plan());  // already running
  EXPECT_EQ(Actions(PlanTrigger(methods, true, 7, false)), Plan({kStart}));
  EXPECT_EQ(Actions(PlanTrigger(methods, false, 7, false)), Plan());  // no lap while stopped
  EXPECT_EQ(Actions(PlanTrigger(methods, true, 3, false)), Plan({kStop}));
  EXPECT_EQ(Actions(PlanTrigger(methods, false, 3, false)), Plan());  // nothing to stop
  EXPECT_EQ(Actions(PlanTrigger(methods, false, 2, false)), Plan());  // not configured
}

TEST(TriggerChecks, SameMethodForStartAndStopStartsAndStopsAtOnce) {
  EXPECT_EQ(Actions(PlanTrigger({8, 0, 8}, false, 8, false)), Plan({kStart, kStop}));
  // Running: the start check does not apply, only the stop does.
  EXPECT_EQ(Actions(PlanTrigger({8, 0, 8}, true, 8, false)), Plan({kStop}));
}

TEST(TriggerChecks, SameMethodForStartAndLapStartsThenLapsOrPauses) {
  EXPECT_EQ(Actions(PlanTrigger({7, 7, 0}, false, 7, false)), Plan({kStart, kStart}));
  // The next event on the running (or paused) watch only laps (or resumes).
  EXPECT_EQ(Actions(PlanTrigger({7, 7, 0}, true, 7, false)), Plan({kStart}));
}

TEST(TriggerChecks, OneMethodForAllThreeRunsEveryCheckInOrder) {
  EXPECT_EQ(Actions(PlanTrigger({5, 5, 5}, false, 5, false)), Plan({kStart, kStart, kStop}));
  EXPECT_EQ(Actions(PlanTrigger({5, 5, 5}, true, 5, false)), Plan({kStart, kStop}));
}

TEST(TriggerChecks, ClickOnExcludedControlDoesNotStartButKeysIgnoreThePointer) {
  EXPECT_EQ(Actions(PlanTrigger({1, 0, 0}, false, 1, true)), Plan());
  // With start skipped the watch stays stopped, so lap and stop do not follow.
  EXPECT_EQ(Actions(PlanTrigger({1, 1, 1}, false, 1, true)), Plan());
  // The pointer matters only for starting.
  EXPECT_EQ(Actions(PlanTrigger({1, 1, 0}, true, 1, true)), Plan({kStart}));
  EXPECT_EQ(Actions(PlanTrigger({0, 0, 1}, true, 1, true)), Plan({kStop}));
  EXPECT_EQ(Actions(PlanTrigger({7, 0, 0}, false, 7, true)), Plan({kStart}));
}

TEST(TriggerChecks, PointerIsLookedAtOnlyForAMouseStartOfAStoppedWatch) {
  EXPECT_TRUE(StartWantsPointerTest({1, 0, 0}, false, 1));
  EXPECT_FALSE(StartWantsPointerTest({1, 0, 0}, true, 1));
  EXPECT_FALSE(StartWantsPointerTest({1, 0, 0}, false, 2));
  EXPECT_FALSE(StartWantsPointerTest({7, 0, 0}, false, 7));
}

TEST(TriggerChecks, PageButtonAndUnknownMethodsNeverMatchAnEvent) {
  // Stored values outside the table act as the page button, which no event is.
  EXPECT_EQ(Actions(PlanTrigger({0, 0, 0}, false, 0, false)), Plan());
  EXPECT_EQ(Actions(PlanTrigger({9, 9, 9}, false, 9, false)), Plan());
  EXPECT_EQ(Actions(PlanTrigger({-1, -1, -1}, true, -1, false)), Plan());
}

}  // namespace
}  // namespace triggers
