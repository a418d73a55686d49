// The bells mode's times on the timer page: the time picker, the sorted list
// that shows the times, and the ▼ and ▲ buttons that add and remove them. The
// countdown engine owns the times; the list only shows them.
#pragma once

#include <windows.h>

#include "base/calendar_time.h"
#include "timer/timer_engine.h"
#include "ui/dialog_win32.h"

class BellTimeList {
 public:
  // page: the timer page whose controls these are; engine: the owner of the
  // times. Both must outlive the object.
  BellTimeList(const MessageTarget& page, timer::TimerEngine& engine);

  // The picker offers a time of day but stands for a time left on the timer:
  // today's date at 00:00:05, shown as "HH:mm:ss".
  void PreparePicker(const CalendarTime& today);
  // Shows the engine's times afresh.
  void Show();
  // ▼: the picker's time joins the list (once), selected.
  void Add();
  // ▲: the selected time leaves the list; the one before it is selected.
  void RemoveSelected();
  // The picker, the list and both buttons usable (▼ only while the list has
  // room, ▲ only while it has a time) or not.
  void Enable(bool enabled);

 private:
  int Count() const;
  void EnableAdd();
  void EnableItem(int id, bool enabled);

  const MessageTarget& page_;
  timer::TimerEngine& engine_;
};
