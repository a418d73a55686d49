// The timer page's hour, minute and second fields, and the duration they
// remember. The alarm mode writes a clock time into the same fields, so the
// last duration is kept (as positions in the three lists) to be put back when
// that mode is left; it is also what TimerTime stores.
#pragma once

#include <windows.h>

#include "timer/duration_rules.h"
#include "ui/dialog_win32.h"

class DurationFields {
 public:
  // page: the timer page whose fields these are; it must outlive the object.
  explicit DurationFields(const MessageTarget& page);

  // Fills the lists 00..23 and 00..59, so that position and value agree, and
  // lets each field take two digits at most.
  void Prepare();

  // The remembered duration in seconds, and setting it (already mended).
  int RememberedSeconds() const;
  void SetRemembered(int seconds);
  // A field's notification: a duration picked or typed is remembered at once,
  // except in the alarm mode, where the fields hold a clock time.
  void OnFieldChanged(int id, int code, bool alarmMode);
  // Remembers what the fields hold now; a field without a valid value keeps
  // the one remembered before.
  void Remember();
  // Puts the remembered duration back into the fields.
  void Restore();
  // Shows a clock time at whole minutes (the alarm mode's default).
  void ShowClockTime(int hour, int minute);
  // Shows a preset's "HH:MM:SS".
  void ShowTimeText(const char* text);

  void ReadTexts(timer::FieldTexts* texts) const;
  void Enable(bool enabled);

 private:
  void Select(int id, int position);

  const MessageTarget& page_;
  int hours_;
  int minutes_;
  int seconds_;
  // Set while the fields are written here, so that their change notifications
  // are not taken for the user's typing.
  bool settingFields_;
};
