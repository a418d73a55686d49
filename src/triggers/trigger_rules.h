// What a report of the hook libraries does to the stopwatch. The mouse library
// reports button presses and releases, the key library keystrokes; each stands
// for at most one trigger method (see triggers/trigger_methods.h), and one
// event runs the start, lap and stop checks in that order.
#pragma once

#include <cstdint>

namespace triggers {

// The mouse message ids and virtual-key codes behind methods 1 to 8.
constexpr unsigned kMouseLeftDown = 0x201;
constexpr unsigned kMouseLeftUp = 0x202;
constexpr unsigned kMouseRightDown = 0x204;
constexpr unsigned kMouseRightUp = 0x205;
constexpr unsigned kMouseMiddleDown = 0x207;
constexpr unsigned kMouseMiddleUp = 0x208;
constexpr unsigned kVirtualKeySpace = 32;
constexpr unsigned kVirtualKeyEnter = 13;

// The method a mouse library report stands for (wParam = mouse message id), or
// 0 when it stands for none.
int TriggerMethodFromMouseMessage(std::uintptr_t messageId);

// The method a key library report stands for, or 0. Only presses count: the
// keystroke flags (lParam), read as signed 32-bit, must be greater than 0, so a
// release (bit 31 set) or an empty value is ignored. Auto-repeats are presses.
int TriggerMethodFromKeyMessage(std::uintptr_t virtualKey, std::intptr_t keystrokeFlags);

// The three methods in force.
struct TriggerMethods {
  int start;  // starts a stopped watch
  int lap;    // laps (lap mode) or pauses and resumes (normal mode) a running watch
  int stop;   // stops a running or paused watch
};

// What one event does, in order. Start and lap are both the page's start-or-lap
// operation; a start leaves the watch running and a stop leaves it stopped, and
// each check sees the state the one before left, so one event may start and
// stop, or start and lap.
enum class TriggerAction { kStartOrLap, kStopRun };

struct TriggerPlan {
  int count = 0;
  TriggerAction actions[3] = {};
};

// The checks for one event of method (1 to 8) on a watch that is running (also
// paused) or not. Stored methods outside 0 to 8 act as the page's button and
// match no event. pointerOnExcludedControl: the pointer is over the page's start
// button, clear button or accuracy list, where a click does the control's own
// job and must not start the watch; it counts only for mouse methods.
TriggerPlan PlanTrigger(const TriggerMethods& methods, bool running, int method,
                        bool pointerOnExcludedControl);

// The methods that can work with the libraries as they are: a mouse method
// without a reporting mouse library, or a key method without a reporting key
// library, would never fire, and bound to starting it would leave the watch
// with no way to start at all (the page's button is disabled for it). Such a
// method stands in as the page's button; the stored choice is not changed.
TriggerMethods UsableTriggerMethods(const TriggerMethods& methods, bool mouseReporting,
                                    bool keyReporting);

// Whether the pointer matters for this event: only a mouse method that would
// start a stopped watch. Lets the caller skip looking for the window under it.
bool StartWantsPointerTest(const TriggerMethods& methods, bool running, int method);

}  // namespace triggers
