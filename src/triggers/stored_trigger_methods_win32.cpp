#include "triggers/stored_trigger_methods_win32.h"

#include "settings/settings_schema.h"

triggers::TriggerMethods ReadTriggerMethods(const SettingsFile& settings) {
  triggers::TriggerMethods methods;
  methods.start = settings.ReadInt(schema::kSettingSection, schema::kStartMethod, 0);
  methods.lap = settings.ReadInt(schema::kSettingSection, schema::kLapMethod, 0);
  methods.stop = settings.ReadInt(schema::kSettingSection, schema::kStopMethod, 0);
  return methods;
}
