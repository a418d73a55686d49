// The inputs that can start, lap (or pause and resume) and stop the stopwatch.
// A method is the index in the settings page's three lists: 0 is the page's own
// button, 1 to 6 mouse buttons and 7, 8 keys pressed anywhere on the desktop.
#pragma once

constexpr int kTriggerMethodCount = 9;

enum TriggerMethod {
  kTriggerButton = 0,
  kTriggerLeftDown = 1,
  kTriggerLeftUp = 2,
  kTriggerRightDown = 3,
  kTriggerRightUp = 4,
  kTriggerWheelDown = 5,
  kTriggerWheelUp = 6,
  kTriggerSpaceKey = 7,
  kTriggerEnterKey = 8,
};

// A stored method outside 0..8 (only a hand-edited Data.ini holds one) matches no
// input and counts as the page's own button.
int MendTriggerMethod(int method);

// Name of a method as the settings lists and the status text show it; a method
// outside 0..8 is named as 0.
const char* TriggerMethodName(int method);

bool TriggerMethodNeedsMouseHook(int method);
bool TriggerMethodNeedsKeyHook(int method);
