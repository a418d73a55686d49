#include "timer/timer_presets_win32.h"

#include <cstdio>
#include <cstring>

#include "settings/settings_schema.h"
#include "timer/timer_dialog_ids.h"

namespace {

void RecordKey(int index, char* out, size_t outSize) {
  snprintf(out, outSize, "%s%d", schema::kTimerPreset, index);
}

}  // namespace

TimerPresets::TimerPresets(const SettingsFile& settings, const MessageTarget& page)
    : settings_(settings), page_(page), toWrite_(false) {}

// A record that cannot be read as a preset (a key removed or edited by hand)
// is passed over; the others keep their order. Only keys that exist are read,
// so a spoiled count cannot keep the page from opening.
void TimerPresets::Load() {
  ReadRecords();
  // A second copy of the program may add or delete presets while this one
  // runs; writing back an unchanged list at close would erase its work. So the
  // list is written only when it differs from what the file held at load (a
  // record passed over, a count to mend) or when the user changes it here.
  toWrite_ = !FileHoldsRecords(Records());
  if (!presets_.empty())
    EnableWindow(page_.Item(IDC_TM_PRESET_DELETE), TRUE);
}

void TimerPresets::ReadRecords() {
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
    SendMessageA(page_.Item(IDC_TM_PRESETS), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(preset.name));
  }
}

// The records as they are written, in order. Records are numbered without
// gaps, so that TimerRegNum covers exactly the presets written; one that could
// not be read back the same is left out.
std::vector<std::string> TimerPresets::Records() const {
  std::vector<std::string> records;
  char record[kPresetRecordBufferSize];
  for (const TimerPreset& preset : presets_) {
    if (FormatPresetRecord(preset, record, sizeof record))
      records.push_back(record);
  }
  return records;
}

// Whether the count and the numbered records in the file are already exactly
// what Save would write for records.
bool TimerPresets::FileHoldsRecords(const std::vector<std::string>& records) const {
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

void TimerPresets::Save() {
  if (!toWrite_)
    return;
  const std::vector<std::string> records = Records();
  settings_.WriteInt(schema::kTimerSection, schema::kTimerPresetCount,
                     static_cast<int>(records.size()));
  char key[32];
  for (size_t i = 0; i < records.size(); ++i) {
    RecordKey(static_cast<int>(i), key, sizeof key);
    settings_.WriteString(schema::kTimerSection, key, records[i].c_str());
  }
}

void TimerPresets::Clear() {
  presets_.clear();
}

void TimerPresets::Add(const TimerPreset& preset) {
  presets_.insert(presets_.begin(), preset);
  toWrite_ = true;
  SendMessageA(page_.Item(IDC_TM_PRESETS), CB_INSERTSTRING, 0,
               reinterpret_cast<LPARAM>(presets_.front().name));
  EnableWindow(page_.Item(IDC_TM_PRESET_DELETE), TRUE);
}

int TimerPresets::Selection() const {
  return static_cast<int>(SendMessageA(page_.Item(IDC_TM_PRESETS), CB_GETCURSEL, 0, 0));
}

const TimerPreset* TimerPresets::Selected() const {
  const int selected = Selection();
  if (selected < 0 || selected >= static_cast<int>(presets_.size()))
    return nullptr;
  return &presets_[selected];
}

void TimerPresets::DeleteSelected() {
  HWND list = page_.Item(IDC_TM_PRESETS);
  const int selected = Selection();
  if (selected < 0 || selected >= static_cast<int>(presets_.size()))
    return;
  SendMessageA(list, CB_DELETESTRING, selected, 0);
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  presets_.erase(presets_.begin() + selected);
  toWrite_ = true;
  if (SendMessageA(list, CB_GETCOUNT, 0, 0) <= 0)
    EnableWindow(page_.Item(IDC_TM_PRESET_DELETE), FALSE);
}

void TimerPresets::Enable(bool enabled) {
  EnableWindow(page_.Item(IDC_TM_PRESET_ADD), enabled ? TRUE : FALSE);
  EnableWindow(page_.Item(IDC_TM_PRESETS), enabled ? TRUE : FALSE);
  EnableWindow(page_.Item(IDC_TM_PRESET_DELETE), enabled && !presets_.empty() ? TRUE : FALSE);
}
