#include "triggers/trigger_rules.h"

namespace triggers {

namespace {

const char* const kMethodNames[kMethodCount] = {
    "通常",                  // the page's own button
    "左クリックDOWN",        // left button pressed
    "左クリックUP",          // left button released
    "右クリックDOWN",        // right button pressed
    "右クリックUP",          // right button released
    "ホイールクリックDOWN",  // middle button pressed
    "ホイールクリックUP",    // middle button released
    "スペースキー押下",      // space key pressed
    "Enterキー押下",         // Enter key pressed
};

}  // namespace

int EffectiveMethod(int stored) {
  return stored >= 0 && stored < kMethodCount ? stored : 0;
}

const char* TriggerMethodName(int method) {
  return kMethodNames[EffectiveMethod(method)];
}

int MethodFromMouseMessage(std::uintptr_t messageId) {
  switch (messageId) {
    case kMouseLeftDown:
      return kLeftButtonDown;
    case kMouseLeftUp:
      return kLeftButtonUp;
    case kMouseRightDown:
      return kRightButtonDown;
    case kMouseRightUp:
      return kRightButtonUp;
    case kMouseMiddleDown:
      return kMiddleButtonDown;
    case kMouseMiddleUp:
      return kMiddleButtonUp;
    default:
      return 0;
  }
}

int MethodFromKeyMessage(std::uintptr_t virtualKey, std::intptr_t keystrokeFlags) {
  // The flags are a 32-bit value whatever the width of the message parameter.
  if (static_cast<std::int32_t>(keystrokeFlags) <= 0)
    return 0;
  if (virtualKey == kVirtualKeySpace)
    return kSpaceKey;
  if (virtualKey == kVirtualKeyEnter)
    return kEnterKey;
  return 0;
}

bool NeedsMouseLibrary(int method) {
  const int m = EffectiveMethod(method);
  return m >= kLeftButtonDown && m <= kMiddleButtonUp;
}

bool NeedsKeyLibrary(int method) {
  const int m = EffectiveMethod(method);
  return m == kSpaceKey || m == kEnterKey;
}

LibraryNeeds NeededLibraries(const TriggerWays& ways) {
  LibraryNeeds needs;
  needs.mouse =
      NeedsMouseLibrary(ways.start) || NeedsMouseLibrary(ways.lap) || NeedsMouseLibrary(ways.stop);
  needs.key =
      NeedsKeyLibrary(ways.start) || NeedsKeyLibrary(ways.lap) || NeedsKeyLibrary(ways.stop);
  return needs;
}

bool StartWantsPointerTest(const TriggerWays& ways, bool running, int method) {
  return !running && NeedsMouseLibrary(method) && EffectiveMethod(ways.start) == method;
}

TriggerPlan PlanTrigger(const TriggerWays& ways, bool running, int method,
                        bool pointerOnExcludedControl) {
  TriggerPlan plan;
  // Method 0 is the page's own button and never arrives as an event.
  if (method <= kPageButton || method >= kMethodCount)
    return plan;
  if (EffectiveMethod(ways.start) == method && !running &&
      !(NeedsMouseLibrary(method) && pointerOnExcludedControl)) {
    plan.actions[plan.count++] = TriggerAction::kStartOrLap;
    running = true;
  }
  if (EffectiveMethod(ways.lap) == method && running) {
    plan.actions[plan.count++] = TriggerAction::kStartOrLap;
  }
  if (EffectiveMethod(ways.stop) == method && running) {
    plan.actions[plan.count++] = TriggerAction::kStopRun;
  }
  return plan;
}

}  // namespace triggers
