// The message boxes a window opens, behind a small interface: the program
// passes the platform's, tests a recorder, so no modal loop has to be answered.
#pragma once

#include <windows.h>

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // As MessageBoxA: returns the button chosen.
  virtual int Show(HWND owner, const char* text, const char* caption, UINT type) = 0;
};

class SystemMessageBoxes : public MessageBoxes {
 public:
  int Show(HWND owner, const char* text, const char* caption, UINT type) override {
    return MessageBoxA(owner, text, caption, type);
  }
};
