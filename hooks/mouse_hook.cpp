// MouseHook.dll: reports every press and release of the left, right and middle
// mouse buttons on the desktop to one window. The report is a posted message
// whose wParam is the button message id (WM_LBUTTONDOWN to WM_MBUTTONUP); moves,
// wheel turns and extra buttons are not reported. The low-level hook runs in
// the thread that started it, so the state here is touched by that thread alone.
#include <windows.h>

namespace {

HINSTANCE g_instance = nullptr;
HHOOK g_hook = nullptr;
HWND g_window = nullptr;
UINT g_messageId = 0;

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
  if (code == HC_ACTION && g_window != nullptr && IsButtonMessage(wParam)) {
    PostMessageA(g_window, g_messageId, wParam, 0);
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

void Unhook() {
  if (g_hook != nullptr)
    UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_window = nullptr;
  g_messageId = 0;
}

}  // namespace

// Starts reporting to window with messageId; a second start moves the reports to
// the new window. Returns 1 when the hook is in place, else 0.
extern "C" LONG __cdecl StartMouseHook(HWND window, UINT messageId) {
  if (window == nullptr)
    return 0;
  if (g_hook == nullptr) {
    g_hook = SetWindowsHookExA(WH_MOUSE_LL, MouseProc, g_instance, 0);
    if (g_hook == nullptr)
      return 0;
  }
  g_window = window;
  g_messageId = messageId;
  return 1;
}

// Stops reporting; no message is posted after the return.
extern "C" LONG __cdecl EndMouseHook() {
  Unhook();
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Unloaded without an end call: never leave a hook pointing into freed code.
    Unhook();
  }
  return TRUE;
}
