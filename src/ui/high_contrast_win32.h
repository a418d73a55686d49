// Following the system's high-contrast setting. Only top-level windows hear
// that the system colours or settings changed; the main window asks the system
// once and tells every window inside it with ContrastMessage() (wParam 1 on,
// 0 off), so each display and list draws in the system's colours or in its
// own stored ones.
#pragma once

#include <windows.h>

// Whether the system's high-contrast mode is on now.
bool SystemHighContrast();

// The message that carries the setting. It is registered, so it can go to
// every window, the platform's controls included, without meaning anything
// to them.
UINT ContrastMessage();

// Reads the setting and sends ContrastMessage() with it to every window
// inside top; the common controls among them also get the colour change.
void TellContrastToDescendants(HWND top);
