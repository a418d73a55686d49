// Counts the name changes the system reports for one window, as a screen
// reader hears them (an out-of-context event hook of this thread).
#pragma once

#include <windows.h>

#include "win32_test_support.h"

namespace testing_support {

class NameChangeCounter {
 public:
  explicit NameChangeCounter(HWND window) {
    Watched() = window;
    Counted() = 0;
    hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, 0,
                            0, WINEVENT_OUTOFCONTEXT);
  }
  ~NameChangeCounter() { UnhookWinEvent(hook_); }
  NameChangeCounter(const NameChangeCounter&) = delete;
  NameChangeCounter& operator=(const NameChangeCounter&) = delete;

  int Count() const {
    PumpMessages();  // the events arrive as messages of this thread
    return Counted();
  }

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
    if (window == Watched() && object == OBJID_CLIENT)
      ++Counted();
  }
  HWINEVENTHOOK hook_;
};

}  // namespace testing_support
