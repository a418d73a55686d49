#include "settings/profile_win32.h"

#include <windows.h>

#include <cstdio>

#include "settings/path_rules.h"
#include "settings/settings_path_win32.h"

namespace {
char g_settingsPath[kPathBufferSize];
bool g_settingsPathBuilt = false;
}  // namespace

char* SettingsPath() {
  return g_settingsPath;
}

void EnsureSettingsPath() {
  if (g_settingsPath[0] != '\0' || g_settingsPathBuilt)
    return;
  BuildSettingsPath(g_settingsPath);
  // An unusable location is decided once; it is not retried on every read.
  g_settingsPathBuilt = true;
}

int ProfileReadInt(const char* section, const char* key, int def) {
  if (g_settingsPath[0] == '\0')
    return def;
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, g_settingsPath));
}

void ProfileReadString(const char* section, const char* key, const char* def, char* out,
                       unsigned outSize) {
  if (outSize == 0)
    return;
  if (g_settingsPath[0] == '\0') {
    snprintf(out, outSize, "%s", def);
    return;
  }
  GetPrivateProfileStringA(section, key, def, out, outSize, g_settingsPath);
  out[outSize - 1] = '\0';
}

void ProfileWriteString(const char* section, const char* key, const char* value) {
  if (g_settingsPath[0] == '\0')
    return;
  WritePrivateProfileStringA(section, key, value, g_settingsPath);
}

void ProfileWriteInt(const char* section, const char* key, int value) {
  char text[16];
  snprintf(text, sizeof(text), "%d", value);
  ProfileWriteString(section, key, text);
}
