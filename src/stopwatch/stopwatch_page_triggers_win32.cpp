// The stopwatch page's side of the global triggers: loading the hook libraries
// the trigger methods need, and turning the libraries' reports into starts,
// laps and stops.
#include <windows.h>

#include "stopwatch/stopwatch_dialog_ids.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "triggers/trigger_rules.h"

void StopwatchPage::ApplyHookNeeds(const HookNeeds& needs) {
  if (Window() == nullptr)
    return;
  // While a library's low-level hook is in place, every key or mouse event on
  // the desktop waits for this thread; so a library is loaded only while a
  // method in force needs it.
  if (needs.mouse) {
    mouseHook_.StartHook(Window());
  } else {
    mouseHook_.EndHook();
  }
  if (needs.key) {
    keyHook_.StartHook(Window());
  } else {
    keyHook_.EndHook();
  }
  // A missing library, or one without its export, would silently leave a
  // method that never fires; with it bound to starting, nothing could start
  // the watch. Those methods stand in as the page's button until the library
  // is there.
  const triggers::TriggerMethods methods = engine_.TriggerMethods();
  const triggers::TriggerMethods usable =
      triggers::UsableTriggerMethods(methods, mouseHook_.Reporting(), keyHook_.Reporting());
  if (usable.start != methods.start || usable.lap != methods.lap || usable.stop != methods.stop)
    engine_.SetTriggerMethods(usable);
}

void StopwatchPage::OnKeyTrigger(WPARAM wParam, LPARAM lParam) {
  const int method = triggers::TriggerMethodFromKeyMessage(wParam, lParam);
  if (method != kTriggerButton)
    RunTrigger(method, false);
}

void StopwatchPage::OnMouseTrigger(WPARAM wParam) {
  const int method = triggers::TriggerMethodFromMouseMessage(wParam);
  if (method != kTriggerButton)
    RunTrigger(method, true);
}

void StopwatchPage::RunTrigger(int method, bool mouse) {
  const triggers::TriggerMethods methods = engine_.TriggerMethods();
  bool pointerOnExcludedControl = false;
  if (mouse && triggers::StartWantsPointerTest(methods, engine_.IsRunning(), method)) {
    // A click meant for the start button, the clear button or the accuracy
    // list does that control's job and does not start the watch.
    POINT cursor = {};
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    pointerOnExcludedControl =
        under != nullptr && (under == Item(IDC_SW_START) || under == Item(IDC_SW_CLEAR) ||
                             under == Item(IDC_SW_ACCURACY));
  }
  const triggers::TriggerPlan plan =
      triggers::PlanTrigger(methods, engine_.IsRunning(), method, pointerOnExcludedControl);
  for (int i = 0; i < plan.count; ++i) {
    if (plan.actions[i] == triggers::TriggerAction::kStartOrLap) {
      engine_.StartOrLap();
    } else {
      engine_.StopRun();
    }
  }
}
