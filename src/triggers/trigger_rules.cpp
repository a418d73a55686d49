#include "triggers/trigger_rules.h"

#include "triggers/trigger_methods.h"

namespace triggers {

int TriggerMethodFromMouseMessage(std::uintptr_t messageId) {
  switch (messageId) {
    case kMouseLeftDown:
      return kTriggerLeftDown;
    case kMouseLeftUp:
      return kTriggerLeftUp;
    case kMouseRightDown:
      return kTriggerRightDown;
    case kMouseRightUp:
      return kTriggerRightUp;
    case kMouseMiddleDown:
      return kTriggerWheelDown;
    case kMouseMiddleUp:
      return kTriggerWheelUp;
    default:
      return kTriggerButton;
  }
}

int TriggerMethodFromKeyMessage(std::uintptr_t virtualKey, std::intptr_t keystrokeFlags) {
  // The flags are a 32-bit value whatever the width of the message parameter.
  if (static_cast<std::int32_t>(keystrokeFlags) <= 0)
    return kTriggerButton;
  if (virtualKey == kVirtualKeySpace)
    return kTriggerSpaceKey;
  if (virtualKey == kVirtualKeyEnter)
    return kTriggerEnterKey;
  return kTriggerButton;
}

bool StartWantsPointerTest(const TriggerMethods& methods, bool running, int method) {
  return !running && TriggerMethodNeedsMouseHook(method) &&
         MendTriggerMethod(methods.start) == method;
}

TriggerPlan PlanTrigger(const TriggerMethods& methods, bool running, int method,
                        bool pointerOnExcludedControl) {
  TriggerPlan plan;
  // The page's own button never arrives as an event.
  if (method <= kTriggerButton || method >= kTriggerMethodCount)
    return plan;
  if (MendTriggerMethod(methods.start) == method && !running &&
      !(TriggerMethodNeedsMouseHook(method) && pointerOnExcludedControl)) {
    plan.actions[plan.count++] = TriggerAction::kStartOrLap;
    running = true;
  }
  if (MendTriggerMethod(methods.lap) == method && running) {
    plan.actions[plan.count++] = TriggerAction::kStartOrLap;
  }
  if (MendTriggerMethod(methods.stop) == method && running) {
    plan.actions[plan.count++] = TriggerAction::kStopRun;
  }
  return plan;
}

TriggerMethods UsableTriggerMethods(const TriggerMethods& methods, bool mouseReporting,
                                    bool keyReporting) {
  auto usable = [&](int method) {
    const bool dead = (TriggerMethodNeedsMouseHook(method) && !mouseReporting) ||
                      (TriggerMethodNeedsKeyHook(method) && !keyReporting);
    return dead ? static_cast<int>(kTriggerButton) : method;
  };
  return TriggerMethods{usable(methods.start), usable(methods.lap), usable(methods.stop)};
}

}  // namespace triggers
