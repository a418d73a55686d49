#include "timer/bell_time_list_win32.h"

#include <commctrl.h>

#include <string>

#include "timer/preset_record.h"
#include "timer/timer_dialog_ids.h"

namespace {

const char kPickerFormat[] = "HH:mm:ss";
// The picker's text is read with at most this many characters.
const int kPickerTextSize = 256;

}  // namespace

BellTimeList::BellTimeList(const MessageTarget& page, timer::TimerEngine& engine)
    : page_(page), engine_(engine) {}

void BellTimeList::PreparePicker(const CalendarTime& today) {
  SYSTEMTIME picked = {};
  picked.wYear = today.year;
  picked.wMonth = today.month;
  picked.wDayOfWeek = today.dayOfWeek;
  picked.wDay = today.day;
  picked.wSecond = 5;
  SendMessageA(page_.Item(IDC_TM_BELL_PICKER), DTM_SETSYSTEMTIME, GDT_VALID,
               reinterpret_cast<LPARAM>(&picked));
  SendMessageA(page_.Item(IDC_TM_BELL_PICKER), DTM_SETFORMATA, 0,
               reinterpret_cast<LPARAM>(kPickerFormat));
}

int BellTimeList::Count() const {
  return static_cast<int>(engine_.BellTimes().size());
}

void BellTimeList::Show() {
  HWND list = page_.Item(IDC_TM_BELL_TIMES);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& time : engine_.BellTimes()) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(time.c_str()));
  }
}

void BellTimeList::Add() {
  if (Count() >= kPresetMaxBellTimes)
    return;
  char text[kPickerTextSize] = {};
  GetWindowTextA(page_.Item(IDC_TM_BELL_PICKER), text, sizeof text);
  if (text[0] == '\0')
    return;
  const int before = Count();
  const int index = engine_.AddBellTime(text);
  if (index < 0)
    return;
  HWND list = page_.Item(IDC_TM_BELL_TIMES);
  if (Count() > before)
    SendMessageA(list, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text));
  SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  EnableItem(IDC_TM_BELL_REMOVE, true);
  if (Count() >= kPresetMaxBellTimes)
    EnableItem(IDC_TM_BELL_ADD, false);
}

void BellTimeList::RemoveSelected() {
  HWND list = page_.Item(IDC_TM_BELL_TIMES);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR)
    return;
  engine_.RemoveBellTime(static_cast<int>(selected));
  SendMessageA(list, LB_DELETESTRING, selected, 0);
  if (Count() == 0) {
    EnableItem(IDC_TM_BELL_REMOVE, false);
  } else {
    SendMessageA(list, LB_SETCURSEL, selected > 0 ? selected - 1 : 0, 0);
  }
  EnableAdd();
}

void BellTimeList::Enable(bool enabled) {
  EnableItem(IDC_TM_BELL_PICKER, enabled);
  EnableItem(IDC_TM_BELL_TIMES, enabled);
  if (enabled) {
    EnableAdd();
  } else {
    EnableItem(IDC_TM_BELL_ADD, false);
  }
  EnableItem(IDC_TM_BELL_REMOVE, enabled && Count() > 0);
}

// "▼" is usable only while the list has room, so it never holds more than 100.
void BellTimeList::EnableAdd() {
  EnableItem(IDC_TM_BELL_ADD, Count() < kPresetMaxBellTimes);
}

void BellTimeList::EnableItem(int id, bool enabled) {
  EnableWindow(page_.Item(id), enabled ? TRUE : FALSE);
}
