// The stopwatch page's side of the global triggers: loading the hook libraries
// the trigger methods need, and turning the libraries' reports into starts,
// laps and stops.
#include <windows.h>

#include "stopwatch/stopwatch_dialog_ids.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "triggers/trigger_rules.h"

void StopwatchPage::ApplyHookNeeds(const HookNeeds& needs) {
  if (pageWindow_ == nullptr)
    return;
  if (needs.mouse) {
    mouseHook_.StartHook(pageWindow_);
  } else {
    mouseHook_.EndHook();
  }
  if (needs.key) {
    keyHook_.StartHook(pageWindow_);
  } else {
    keyHook_.EndHook();
  }
  // A missing library, or one without its export, would silently leave a
  // method that never fires; with it bound to starting, nothing could start
  // the watch. Those methods stand in as the page's button until the library
  // is there.
  const triggers::TriggerWays ways = {engine_.StartWay(), engine_.TimeWay(), engine_.EndWay()};
  const triggers::TriggerWays usable =
      triggers::UsableWays(ways, mouseHook_.Reporting(), keyHook_.Reporting());
  if (usable.start != ways.start || usable.lap != ways.lap || usable.stop != ways.stop)
    engine_.SetTriggerMethods(usable.start, usable.lap, usable.stop);
}

void StopwatchPage::OnKeyTrigger(HWND window, WPARAM wParam, LPARAM lParam) {
  const int method = triggers::MethodFromKeyMessage(wParam, lParam);
  if (method != 0)
    RunTrigger(window, method, false);
}

void StopwatchPage::OnMouseTrigger(HWND window, WPARAM wParam) {
  const int method = triggers::MethodFromMouseMessage(wParam);
  if (method != 0)
    RunTrigger(window, method, true);
}

void StopwatchPage::RunTrigger(HWND window, int method, bool mouse) {
  const triggers::TriggerWays ways = {engine_.StartWay(), engine_.TimeWay(), engine_.EndWay()};
  bool pointerOnExcludedControl = false;
  if (mouse && triggers::StartWantsPointerTest(ways, engine_.IsRunning(), method)) {
    // A click meant for the start button, the clear button or the accuracy
    // list does that control's job and does not start the watch.
    POINT cursor = {};
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    pointerOnExcludedControl = under != nullptr && (under == GetDlgItem(window, IDC_SW_START) ||
                                                    under == GetDlgItem(window, IDC_SW_CLEAR) ||
                                                    under == GetDlgItem(window, IDC_SW_ACCURACY));
  }
  const triggers::TriggerPlan plan =
      triggers::PlanTrigger(ways, engine_.IsRunning(), method, pointerOnExcludedControl);
  for (int i = 0; i < plan.count; ++i) {
    if (plan.actions[i] == triggers::TriggerAction::kStartOrLap) {
      engine_.StartOrLap();
    } else {
      engine_.StopRun();
    }
  }
}
