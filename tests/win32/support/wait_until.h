// Waiting in tests: on a condition, with a time limit, never a fixed pause.
#pragma once

#include <windows.h>

#include "win32_test_support.h"

namespace testing_support {

// Checks the condition until it holds or limitMs have passed, handling this
// thread's messages in between (so windows the test owns keep working) and
// waking as soon as a message arrives. Returns whether the condition held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD limitMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= limitMs)
      return condition();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

}  // namespace testing_support
