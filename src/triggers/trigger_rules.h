// Trigger methods: which input starts, laps (or pauses) and stops the stopwatch.
// Method 0 is the page's own button; 1 to 6 are global mouse button events that
// the mouse hook library reports, 7 and 8 global key presses that the key hook
// library reports. These rules decide which method an event stands for, which
// libraries the configured methods need, and what one event does to the watch.
#pragma once

#include <cstdint>

namespace triggers {

enum TriggerMethod {
  kPageButton = 0,
  kLeftButtonDown = 1,
  kLeftButtonUp = 2,
  kRightButtonDown = 3,
  kRightButtonUp = 4,
  kMiddleButtonDown = 5,
  kMiddleButtonUp = 6,
  kSpaceKey = 7,
  kEnterKey = 8,
};
constexpr int kMethodCount = 9;

// The name of a method as the settings lists and the status text show it; a
// value outside 0 to 8 is named as the page button.
const char* TriggerMethodName(int method);

// The mouse message ids and virtual-key codes the libraries report.
constexpr unsigned kMouseLeftDown = 0x201;
constexpr unsigned kMouseLeftUp = 0x202;
constexpr unsigned kMouseRightDown = 0x204;
constexpr unsigned kMouseRightUp = 0x205;
constexpr unsigned kMouseMiddleDown = 0x207;
constexpr unsigned kMouseMiddleUp = 0x208;
constexpr unsigned kVirtualKeySpace = 32;
constexpr unsigned kVirtualKeyEnter = 13;

// A stored method as it is acted on: values outside 0 to 8 (a hand-edited
// settings file) count as the page button, so the buttons stay usable, the
// status text names a real method and no library is loaded for them.
int EffectiveMethod(int stored);

// The method a mouse library message stands for (wParam = mouse message id), or
// 0 when it stands for none.
int MethodFromMouseMessage(std::uintptr_t messageId);

// The method a key library message stands for, or 0. Only presses count: the
// keystroke flags (lParam), read as signed 32-bit, must be greater than 0, so a
// release (bit 31 set) or an empty value is ignored. Auto-repeats are presses.
int MethodFromKeyMessage(std::uintptr_t virtualKey, std::intptr_t keystrokeFlags);

bool NeedsMouseLibrary(int method);
bool NeedsKeyLibrary(int method);

// The three configured methods, as stored.
struct TriggerWays {
  int start;  // starts a stopped watch
  int lap;    // laps (lap mode) or pauses and resumes (normal mode) a running watch
  int stop;   // stops a running or paused watch
};

struct LibraryNeeds {
  bool mouse;
  bool key;
};
LibraryNeeds NeededLibraries(const TriggerWays& ways);

// What one event does, in order. Start and lap are both the page's start-or-lap
// operation; a start makes the watch running, a stop makes it stopped, and each
// check sees the state the one before left, so one event may start and stop.
enum class TriggerAction { kStartOrLap, kStopRun };

struct TriggerPlan {
  int count = 0;
  TriggerAction actions[3] = {};
};

// The checks for one event of method m (1 to 8) on a watch that is running
// (also paused) or not. pointerOnExcludedControl: the pointer is over the page's
// start button, clear button or accuracy list, where a click does the control's
// own job and must not start the watch; it is asked only of mouse methods.
TriggerPlan PlanTrigger(const TriggerWays& ways, bool running, int method,
                        bool pointerOnExcludedControl);

// Whether PlanTrigger would look at the pointer for this event: only a mouse
// method that would start a stopped watch. Lets the caller skip the lookup.
bool StartWantsPointerTest(const TriggerWays& ways, bool running, int method);

}  // namespace triggers
