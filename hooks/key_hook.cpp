// KeyHook.dll: reports every key press and release on the desktop to one window.
// The report is a posted message: wParam the virtual-key code, lParam the
// keystroke flags in the keyboard-hook form (repeat count 1, scan code, extended
// bit 24, context bit 29, previous-state bit 30, transition bit 31 set on a
// release). The low-level hook runs in the thread that started it, so the
// state here is touched by that thread alone.
#include <windows.h>

#include "hook_slot.h"

namespace {

HookSlot g_slot;
bool g_keyDown[256] = {};

LPARAM KeystrokeFlags(const KBDLLHOOKSTRUCT& info, bool release, bool wasDown) {
  DWORD flags = 1;  // repeat count
  flags |= (info.scanCode & 0xFFu) << 16;
  if (info.flags & LLKHF_EXTENDED)
    flags |= 1u << 24;
  if (info.flags & LLKHF_ALTDOWN)
    flags |= 1u << 29;
  if (wasDown)
    flags |= 1u << 30;
  if (release)
    flags |= 1u << 31;
  return static_cast<LPARAM>(flags);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_slot.Reporting()) {
    const KBDLLHOOKSTRUCT& info = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const unsigned key = info.vkCode & 0xFFu;
    const bool release = (info.flags & LLKHF_UP) != 0;
    // A release always follows a down state; a press repeats while held.
    const bool wasDown = release || g_keyDown[key];
    g_keyDown[key] = !release;
    g_slot.Report(key, KeystrokeFlags(info, release, wasDown));
  }
  return g_slot.Next(code, wParam, lParam);
}

}  // namespace

// Starts reporting to window with messageId; a second start moves the reports to
// the new window. Returns 1 when the hook is in place, else 0.
extern "C" LONG __cdecl StartKeyHook(HWND window, UINT messageId) {
  // A fresh hook knows no key as held.
  if (!g_slot.Reporting())
    ZeroMemory(g_keyDown, sizeof g_keyDown);
  return g_slot.Start(WH_KEYBOARD_LL, KeyboardProc, window, messageId);
}

// Stops reporting; no message is posted after the return.
extern "C" LONG __cdecl EndKeyHook() {
  g_slot.End();
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return g_slot.OnDllMain(instance, reason, reserved);
}
