// The modal dialog that asks for a preset's name, and the small interface
// through which the timer page asks for one (tests answer it themselves).
#pragma once

#include <windows.h>

#include "timer/preset_record.h"
#include "ui/message_box_win32.h"

// Size of the buffer a name is asked into: the longest name and the terminator.
constexpr int kPresetNameBufferSize = kPresetNameMaxBytes + 1;

// Runs the dialog owned by owner. Returns IDOK (1) with nameBuffer (at least
// kPresetNameBufferSize bytes) holding a non-empty name without ',', or
// IDCANCEL (2) with nameBuffer untouched (also when the dialog cannot be made).
// A name it refuses is said in one of boxes.
int PresetNameDialog(HWND owner, char* nameBuffer, MessageBoxes& boxes);

class PresetNameAsker {
 public:
  virtual ~PresetNameAsker() = default;
  // As PresetNameDialog: IDOK with a name in nameBuffer, or IDCANCEL.
  virtual int Ask(HWND owner, char* nameBuffer) = 0;
};

// Asks the user with PresetNameDialog, saying what it refuses in boxes (which
// must outlive it).
class PresetNameDialogAsker : public PresetNameAsker {
 public:
  explicit PresetNameDialogAsker(MessageBoxes& boxes) : boxes_(boxes) {}
  int Ask(HWND owner, char* nameBuffer) override {
    return PresetNameDialog(owner, nameBuffer, boxes_);
  }

 private:
  MessageBoxes& boxes_;
};
