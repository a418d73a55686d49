// The modal dialog that asks for a preset's name, and the small interface
// through which the timer page asks for one (tests answer it themselves).
#pragma once

#include <windows.h>

#include "timer/preset_record.h"

// Size of the buffer a name is asked into: the longest name and the terminator.
constexpr int kPresetNameBufferSize = kPresetNameMaxBytes + 1;

// Runs the dialog owned by owner. Returns IDOK (1) with nameBuffer (at least
// kPresetNameBufferSize bytes) holding a non-empty name without ',', or
// IDCANCEL (2) with nameBuffer untouched (also when the dialog cannot be made).
int PresetNameDialog(HWND owner, char* nameBuffer);

class PresetNameAsker {
 public:
  virtual ~PresetNameAsker() = default;
  // As PresetNameDialog: IDOK with a name in nameBuffer, or IDCANCEL.
  virtual int Ask(HWND owner, char* nameBuffer) = 0;
};

// Asks the user with PresetNameDialog.
class PresetNameDialogAsker : public PresetNameAsker {
 public:
  int Ask(HWND owner, char* nameBuffer) override { return PresetNameDialog(owner, nameBuffer); }
};
