// The modal dialog that asks for a preset's name.
#ifndef MIPO_TIMER_PRESET_NAME_DIALOG_WIN32_H
#define MIPO_TIMER_PRESET_NAME_DIALOG_WIN32_H

#include <windows.h>

// Size of the buffer PresetNameDialog fills: 64 bytes of name and the terminator.
constexpr int kPresetNameBufferSize = 65;

// Runs the dialog owned by owner. Returns IDOK (1) with nameBuffer (at least
// kPresetNameBufferSize bytes) holding a non-empty name without ',', or
// IDCANCEL (2) with nameBuffer untouched (also when the dialog cannot be made).
int PresetNameDialog(HWND owner, char* nameBuffer);

#endif  // MIPO_TIMER_PRESET_NAME_DIALOG_WIN32_H
