// MouseHook.dll: reports every press and release of the left, right and middle
// mouse buttons on the desktop to one window. The report is a posted message
// whose wParam is the button message id (WM_LBUTTONDOWN to WM_MBUTTONUP); moves,
// wheel turns and extra buttons are not reported. The low-level hook runs in
// the thread that started it, so the state here is touched by that thread alone.
#include <windows.h>

#include "hook_slot.h"

namespace {

HookSlot g_slot;

bool IsButtonMessage(WPARAM message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_slot.Reporting() && IsButtonMessage(wParam)) {
    g_slot.Report(wParam, 0);
  }
  return g_slot.Next(code, wParam, lParam);
}

}  // namespace

// Starts reporting to window with messageId; a second start moves the reports to
// the new window. Returns 1 when the hook is in place, else 0.
extern "C" LONG __cdecl StartMouseHook(HWND window, UINT messageId) {
  return g_slot.Start(WH_MOUSE_LL, MouseProc, window, messageId);
}

// Stops reporting; no message is posted after the return.
extern "C" LONG __cdecl EndMouseHook() {
  g_slot.End();
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return g_slot.OnDllMain(instance, reason, reserved);
}
