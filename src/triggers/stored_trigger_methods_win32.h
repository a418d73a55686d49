// The three trigger methods as Data.ini holds them (section SettingData): what
// the settings tab shows when it is made, and what the stopwatch takes each time
// it is shown.
#pragma once

#include "settings/settings_file_win32.h"
#include "triggers/trigger_rules.h"

// Reads the start, lap and stop methods, in that order; a missing key is 0.
// The values come as stored, not mended.
triggers::TriggerMethods ReadTriggerMethods(const SettingsFile& settings);
