// Small helpers for tests that need a window of their own or read the clipboard.
#pragma once

#include <windows.h>

#include <string>

#include "../support/win32_test_support.h"

// A top-level window destroyed when the object ends. Hidden unless asked:
// destroying a shown top-level window costs two seconds on a virtual display
// without a window manager, so only tests that need the window under the
// pointer show theirs.
class TestWindow {
 public:
  explicit TestWindow(bool visible = false)
      : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 600,
                                400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~TestWindow() {
    DestroyWindow(window_);
    testing_support::PumpMessages();
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Window() const { return window_; }

 private:
  HWND window_;
};

// Opens the clipboard for a window, waiting out a moment when the system itself
// holds it (Wine's clipboard thread reads it after every change).
inline bool OpenClipboardFor(HWND window) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (OpenClipboard(window))
      return true;
    Sleep(10);
  }
  return false;
}

// The clipboard's CF_TEXT, or a marker saying why there is none.
inline std::string ClipboardText(HWND owner) {
  if (!OpenClipboardFor(owner))
    return "<not opened>";
  std::string text = "<none>";
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data != nullptr) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (bytes != nullptr)
      text = bytes;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
