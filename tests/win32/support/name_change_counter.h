// Counts the name changes the system reports for one window's client object,
// as a screen reader hears them (an out-of-context hook of this thread).
#pragma once

#include <windows.h>

#include "win32_test_support.h"

namespace testing_support {

class NameChangeCounter {
 public:
  explicit NameChangeCounter(HWND window)
      : hook_(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, 0,
                              0, WINEVENT_OUTOFCONTEXT)) {
    Watched() = window;
    Counted() = 0;
  }
  ~NameChangeCounter() { UnhookWinEvent(hook_); }
  // The events arrive as messages of this thread.
  int Count() const { return PumpMessages(), Counted(); }

 private:
  static HWND& Watched() {
    static HWND window = nullptr;
    return window;
  }
  static int& Counted() {
    static int count = 0;
    return count;
  }
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    Counted() += window == Watched() && object == OBJID_CLIENT ? 1 : 0;
  }
  HWINEVENTHOOK hook_;
};

}  // namespace testing_support
