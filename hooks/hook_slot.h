// The one low-level hook a hook library holds, and the window it reports to.
// Both libraries keep exactly this state; the hook runs in the thread that
// started it, so only that thread touches it.
#pragma once

#include <windows.h>

class HookSlot {
 public:
  // Installs the hook on first use; a second start moves the reports to the new
  // window. Returns 1 when the hook is in place, else 0.
  LONG Start(int hookType, HOOKPROC procedure, HWND window, UINT messageId) {
    if (window == nullptr)
      return 0;
    if (hook_ == nullptr) {
      hook_ = SetWindowsHookExA(hookType, procedure, instance_, 0);
      if (hook_ == nullptr)
        return 0;
    }
    window_ = window;
    messageId_ = messageId;
    return 1;
  }

  // Removes the hook; no report is posted after the return.
  void End() {
    if (hook_ != nullptr)
      UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    window_ = nullptr;
    messageId_ = 0;
  }

  bool Reporting() const { return window_ != nullptr; }
  void Report(WPARAM wParam, LPARAM lParam) const {
    PostMessageA(window_, messageId_, wParam, lParam);
  }
  LRESULT Next(int code, WPARAM wParam, LPARAM lParam) const {
    return CallNextHookEx(hook_, code, wParam, lParam);
  }

  // The library's DllMain: remember the module, and never leave a hook pointing
  // into freed code when the library is unloaded without an end call.
  BOOL OnDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
      instance_ = instance;
      DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
      End();
    }
    return TRUE;
  }

 private:
  HINSTANCE instance_ = nullptr;
  HHOOK hook_ = nullptr;
  HWND window_ = nullptr;
  UINT messageId_ = 0;
};
