// Helpers for tests of the hook libraries: whether a library is loaded, and input
// injected as if from the devices. The libraries' low-level hooks run while the
// injecting thread waits for messages, so every injection is followed by PumpFor.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "../support/win32_test_support.h"

inline bool ModuleLoaded(const char* name) {
  return GetModuleHandleA(name) != nullptr;
}

inline void InjectMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

inline void InjectKey(WORD key, WORD scan, bool release) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = scan;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

// Waits for and handles messages for a while, letting the hooks run. A fixed
// time in real time: what a test checks afterwards includes reports that must
// not come, which only letting the time pass can show.
inline void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    testing_support::PumpMessages();
  }
}
