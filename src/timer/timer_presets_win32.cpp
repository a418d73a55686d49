// The named presets of the timer page: adding the page's settings under a
// name, loading one back into the controls, deleting, and their records in
// section Timer of Data.ini.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "settings/settings_file_win32.h"
#include "settings/settings_schema.h"
#include "timer/duration_rules.h"
#include "timer/timer_dialog_ids.h"
#include "timer/timer_page_win32.h"
#include "timer/timer_texts.h"

namespace {

void RecordKey(int index, char* out, size_t outSize) {
  snprintf(out, outSize, "%s%d", schema::kTimerPreset, index);
}

// Two digits of a "HH:MM:SS" text as a list position.
int TimePart(const char* timeText, int offset) {
  const char digits[3] = {timeText[offset], timeText[offset + 1], '\0'};
  return timer::FieldValue(digits);
}

}  // namespace

TimerPreset TimerPage::BuildPreset() {
  TimerPreset preset;
  snprintf(preset.name, sizeof preset.name, "%s", presetName_);
  // In the alarm mode the fields hold a clock time: that is what is kept, not
  // the seconds until it.
  char text[timer::kTimeTextSize];
  timer::FormatSeconds(engine_.TypedSeconds(), text, sizeof text);
  snprintf(preset.timeText, sizeof preset.timeText, "%s", text);
  preset.mode = engine_.Mode();
  preset.repeatIndex = engine_.RepeatSetting();
  preset.alarmDelay = alarmDelayIndex_;
  preset.bellOn = engine_.BellOn() ? 1 : 0;
  preset.maxDisplayOn = engine_.MaxDisplayOn() ? 1 : 0;
  if (preset.mode == timer::kBells)
    preset.bellTimes.assign(engine_.BellTimes().rbegin(), engine_.BellTimes().rend());
  return preset;
}

void TimerPage::AddPreset() {
  if (engine_.Running())
    return;
  if (names_.Ask(Window(), presetName_) != IDOK)
    return;
  presetName_[sizeof presetName_ - 1] = '\0';
  presets_.insert(presets_.begin(), BuildPreset());
  presetsToWrite_ = true;
  SendMessageA(Item(IDC_TM_PRESETS), CB_INSERTSTRING, 0,
               reinterpret_cast<LPARAM>(presets_.front().name));
  Enable(IDC_TM_PRESET_DELETE, true);
}

void TimerPage::ApplyPreset() {
  if (engine_.Running())
    return;
  const int selected = Selection(IDC_TM_PRESETS);
  if (selected < 0 || selected >= static_cast<int>(presets_.size()))
    return;
  const TimerPreset& preset = presets_[selected];

  Select(IDC_TM_HOURS, TimePart(preset.timeText, 0));
  Select(IDC_TM_MINUTES, TimePart(preset.timeText, 3));
  Select(IDC_TM_SECONDS, TimePart(preset.timeText, 6));
  engine_.SetMode(preset.mode);
  Select(IDC_TM_MODE, engine_.Mode());
  engine_.SetRepeatSetting(preset.repeatIndex);
  Select(IDC_TM_REPEAT, preset.repeatIndex);
  alarmDelayIndex_ = timer::MendAlarmDelay(preset.alarmDelay);
  Select(IDC_TM_ALARM_DELAY, alarmDelayIndex_);
  engine_.SetBellOn(preset.bellOn != 0);
  CheckDlgButton(Window(), IDC_TM_BELL_SWITCH, preset.bellOn != 0 ? BST_CHECKED : BST_UNCHECKED);
  engine_.SetMaxDisplayOn(preset.maxDisplayOn != 0);
  CheckDlgButton(Window(), IDC_TM_MAX_DISPLAY,
                 engine_.MaxDisplayOn() ? BST_CHECKED : BST_UNCHECKED);
  if (engine_.Mode() == timer::kBells) {
    engine_.SetBellTimes(preset.bellTimes);
    ShowBellTimes();
  }
  ShowModeDescription();
  EnableForMode();
}

void TimerPage::DeletePreset() {
  if (engine_.Running())
    return;
  HWND list = Item(IDC_TM_PRESETS);
  const int selected = Selection(IDC_TM_PRESETS);
  if (selected < 0 || selected >= static_cast<int>(presets_.size()))
    return;
  SendMessageA(list, CB_DELETESTRING, selected, 0);
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  presets_.erase(presets_.begin() + selected);
  presetsToWrite_ = true;
  if (SendMessageA(list, CB_GETCOUNT, 0, 0) <= 0)
    Enable(IDC_TM_PRESET_DELETE, false);
}

// A record that cannot be read as a preset (a key removed or edited by hand)
// is passed over; the others keep their order. Only keys that exist are read,
// so a spoiled count cannot keep the page from opening.
void TimerPage::LoadPresets() {
  ReadPresetRecords();
  // A second copy of the program may add or delete presets while this one
  // runs; writing back an unchanged list at close would erase its work. So the
  // list is written only when it differs from what the file held at load (a
  // record passed over, a count to mend) or when the user changes it here.
  presetsToWrite_ = !FileHoldsPresetRecords(PresetRecords());
}

void TimerPage::ReadPresetRecords() {
  presets_.clear();
  const int count = settings_.ReadInt(schema::kTimerSection, schema::kTimerPresetCount, 0);
  if (count <= 0)
    return;
  const std::vector<char> names = settings_.ReadKeyNames(schema::kTimerSection);
  for (int i : StoredRecordIndexes(names.data(), names.size(), count)) {
    char key[32];
    RecordKey(i, key, sizeof key);
    char record[kPresetRecordBufferSize] = {};
    settings_.ReadString(schema::kTimerSection, key, "", record, sizeof record);
    TimerPreset preset;
    if (!ParsePresetRecord(record, &preset))
      continue;
    presets_.push_back(preset);
    SendMessageA(Item(IDC_TM_PRESETS), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(preset.name));
  }
}

// The records as they are written, in order. Records are numbered without
// gaps, so that TimerRegNum covers exactly the presets written; one that could
// not be read back the same is left out.
std::vector<std::string> TimerPage::PresetRecords() const {
  std::vector<std::string> records;
  char record[kPresetRecordBufferSize];
  for (const TimerPreset& preset : presets_) {
    if (FormatPresetRecord(preset, record, sizeof record))
      records.push_back(record);
  }
  return records;
}

// Whether the count and the numbered records in the file are already exactly
// what SavePresets would write for records.
bool TimerPage::FileHoldsPresetRecords(const std::vector<std::string>& records) const {
  char stored[kPresetRecordBufferSize];
  char expected[32];
  settings_.ReadString(schema::kTimerSection, schema::kTimerPresetCount, "", stored, sizeof stored);
  snprintf(expected, sizeof expected, "%d", static_cast<int>(records.size()));
  if (std::strcmp(stored, expected) != 0)
    return false;
  for (size_t i = 0; i < records.size(); ++i) {
    char key[32];
    RecordKey(static_cast<int>(i), key, sizeof key);
    settings_.ReadString(schema::kTimerSection, key, "", stored, sizeof stored);
    if (records[i] != stored)
      return false;
  }
  return true;
}

void TimerPage::SavePresets() {
  if (!presetsToWrite_)
    return;
  const std::vector<std::string> records = PresetRecords();
  settings_.WriteInt(schema::kTimerSection, schema::kTimerPresetCount,
                     static_cast<int>(records.size()));
  char key[32];
  for (size_t i = 0; i < records.size(); ++i) {
    RecordKey(static_cast<int>(i), key, sizeof key);
    settings_.WriteString(schema::kTimerSection, key, records[i].c_str());
  }
}
