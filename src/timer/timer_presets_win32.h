// The timer's named presets: their records in section Timer of Data.ini, the
// list that shows their names, and the buttons that store and delete them. What
// a preset holds is the timer page's to build and to apply.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/settings_file_win32.h"
#include "timer/preset_record.h"
#include "ui/dialog_win32.h"

class TimerPresets {
 public:
  // page: the timer page whose controls these are. Both must outlive the object.
  TimerPresets(const SettingsFile& settings, const MessageTarget& page);

  // Reads the records into the list, passing over any that cannot be read;
  // "削除" becomes usable when there is one.
  void Load();
  // Writes the records, only when they differ from what the file held at
  // Load or the user changed them since.
  void Save();
  // Forgets them with the page's window.
  void Clear();

  // A new preset goes first in the list.
  void Add(const TimerPreset& preset);
  // The preset chosen in the list, or null.
  const TimerPreset* Selected() const;
  // Deletes the chosen preset and chooses the first one left.
  void DeleteSelected();
  // The list and both buttons usable ("削除" only with a preset in the list) or not.
  void Enable(bool enabled);

  const std::vector<TimerPreset>& Presets() const { return presets_; }

 private:
  void ReadRecords();
  std::vector<std::string> Records() const;
  bool FileHoldsRecords(const std::vector<std::string>& records) const;
  int Selection() const;

  const SettingsFile& settings_;
  const MessageTarget& page_;
  std::vector<TimerPreset> presets_;
  // The list differs from the file's and is written at close.
  bool toWrite_;
};
