// The dots per inch the program draws at. The program is aware of each
// monitor's scaling where the system offers it (Windows 10 1703 and later) and
// of the system's elsewhere: the system's value is fixed when the user logs on,
// so it is read once and kept; a window's own value is asked of the system
// where it can say and is the system's otherwise. Every function newer than
// Windows XP is looked up here, at run time, so the program still starts there.
#pragma once

#include <windows.h>

#include "ui/dpi.h"

// The system's dots per inch: what the font files are kept in. Layout never
// uses it; every window lays itself out at its own (Dpi() of its object).
int ScreenDpi();

// The dots per inch of the monitor that window is on (GetDpiForWindow), or the
// system's where the system cannot tell.
int WindowDpi(HWND window);

// WM_DPICHANGED, which the headers for XP do not name: sent to a top-level
// window whose monitor's scaling changed, with the new dots per inch in wParam
// and the rectangle the system suggests in lParam.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The new dots per inch WM_DPICHANGED carries (its wParam).
inline int DpiFromMessage(WPARAM wParam) {
  return static_cast<int>(LOWORD(wParam));
}

// Under per-monitor awareness (v2) Windows would re-scale a dialog and the
// fonts and places of its controls by itself when it moves to a monitor of
// another scaling; the program does that itself, from its own layout code, so
// the system's own re-scaling is switched off for the dialog and each of its
// controls (SetDialogDpiChangeBehavior, SetDialogControlDpiChangeBehavior).
// Nothing happens where the system has neither.
void KeepDpiScalingToProgram(HWND dialog);
