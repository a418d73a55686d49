#include "timer/duration_fields_win32.h"

#include <cstdio>

#include "timer/timer_dialog_ids.h"

namespace {

const int kFields[3] = {IDC_TM_HOURS, IDC_TM_MINUTES, IDC_TM_SECONDS};
// Largest value of the hour, minute and second lists.
const int kLastHour = 23;
const int kLastMinute = 59;

int FieldLimit(int id) {
  return id == IDC_TM_HOURS ? kLastHour : kLastMinute;
}

// Two digits of a "HH:MM:SS" text as a list position.
int TimePart(const char* timeText, int offset) {
  const char digits[3] = {timeText[offset], timeText[offset + 1], '\0'};
  return timer::FieldValue(digits);
}

}  // namespace

DurationFields::DurationFields(const MessageTarget& page)
    : page_(page), hours_(0), minutes_(1), seconds_(0), settingFields_(false) {}

void DurationFields::Prepare() {
  for (int id : kFields) {
    HWND edit = FindWindowExA(page_.Item(id), nullptr, "Edit", nullptr);
    if (edit != nullptr) {
      SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_NUMBER);
    }
    SendMessageA(page_.Item(id), CB_LIMITTEXT, 2, 0);
  }
  char text[8];
  for (int id : kFields) {
    for (int value = 0; value <= FieldLimit(id); ++value) {
      snprintf(text, sizeof text, "%02d", value);
      SendMessageA(page_.Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
  }
}

int DurationFields::RememberedSeconds() const {
  return hours_ * 3600 + minutes_ * 60 + seconds_;
}

void DurationFields::SetRemembered(int seconds) {
  hours_ = seconds / 3600;
  minutes_ = seconds % 3600 / 60;
  seconds_ = seconds % 60;
}

void DurationFields::OnFieldChanged(int id, int code, bool alarmMode) {
  if (settingFields_ || alarmMode)
    return;
  int value = -1;
  if (code == CBN_SELCHANGE) {
    value = static_cast<int>(SendMessageA(page_.Item(id), CB_GETCURSEL, 0, 0));
  } else if (code == CBN_EDITCHANGE) {
    char text[timer::kFieldMaxChars + 1] = {};
    GetDlgItemTextA(page_.Window(), id, text, sizeof text);
    value = timer::FieldValue(text);
  } else {
    return;
  }
  if (value < 0 || value > FieldLimit(id))
    return;
  if (id == IDC_TM_HOURS)
    hours_ = value;
  if (id == IDC_TM_MINUTES)
    minutes_ = value;
  if (id == IDC_TM_SECONDS)
    seconds_ = value;
}

void DurationFields::Remember() {
  int* remembered[3] = {&hours_, &minutes_, &seconds_};
  for (int i = 0; i < 3; ++i) {
    char text[timer::kFieldMaxChars + 1] = {};
    GetDlgItemTextA(page_.Window(), kFields[i], text, sizeof text);
    const int value = timer::FieldValue(text);
    if (value >= 0 && value <= FieldLimit(kFields[i]))
      *remembered[i] = value;
  }
}

void DurationFields::Restore() {
  Select(IDC_TM_HOURS, hours_);
  Select(IDC_TM_MINUTES, minutes_);
  Select(IDC_TM_SECONDS, seconds_);
}

void DurationFields::ShowClockTime(int hour, int minute) {
  Select(IDC_TM_HOURS, hour);
  Select(IDC_TM_MINUTES, minute);
  Select(IDC_TM_SECONDS, 0);
}

void DurationFields::ShowTimeText(const char* text) {
  Select(IDC_TM_HOURS, TimePart(text, 0));
  Select(IDC_TM_MINUTES, TimePart(text, 3));
  Select(IDC_TM_SECONDS, TimePart(text, 6));
}

void DurationFields::ReadTexts(timer::FieldTexts* texts) const {
  GetDlgItemTextA(page_.Window(), IDC_TM_HOURS, texts->hours, sizeof texts->hours);
  GetDlgItemTextA(page_.Window(), IDC_TM_MINUTES, texts->minutes, sizeof texts->minutes);
  GetDlgItemTextA(page_.Window(), IDC_TM_SECONDS, texts->seconds, sizeof texts->seconds);
}

void DurationFields::Enable(bool enabled) {
  for (int id : kFields) EnableWindow(page_.Item(id), enabled ? TRUE : FALSE);
}

void DurationFields::Select(int id, int position) {
  const bool wasSetting = settingFields_;
  settingFields_ = true;
  SendMessageA(page_.Item(id), CB_SETCURSEL, position, 0);
  settingFields_ = wasSetting;
}
