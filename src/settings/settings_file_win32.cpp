#include "settings/settings_file_win32.h"

#include <windows.h>

#include <cstdio>

#include "settings/settings_path_win32.h"

SettingsFile SettingsFile::ForThisProgram() {
  return SettingsFile(FindDataIniPath());
}

SettingsFile::SettingsFile(const std::string& path) {
  if (!CopyBounded(path_, sizeof path_, path))
    path_[0] = '\0';
}

int SettingsFile::ReadInt(const char* section, const char* key, int def) const {
  if (!Usable())
    return def;
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, path_));
}

void SettingsFile::ReadString(const char* section, const char* key, const char* def, char* out,
                              unsigned outSize) const {
  if (outSize == 0)
    return;
  if (!Usable()) {
    snprintf(out, outSize, "%s", def);
    return;
  }
  GetPrivateProfileStringA(section, key, def, out, outSize, path_);
  out[outSize - 1] = '\0';
}

void SettingsFile::WriteString(const char* section, const char* key, const char* value) const {
  if (!Usable())
    return;
  WritePrivateProfileStringA(section, key, value, path_);
}

void SettingsFile::WriteInt(const char* section, const char* key, int value) const {
  char text[16];
  snprintf(text, sizeof(text), "%d", value);
  WriteString(section, key, text);
}

std::vector<char> SettingsFile::ReadKeyNames(const char* section) const {
  std::vector<char> names;
  if (!Usable())
    return names;
  // The profile functions answer size - 2 when the list did not fit.
  for (DWORD size = 4096; size <= (64u << 20); size *= 2) {
    names.assign(size, '\0');
    const DWORD used = GetPrivateProfileStringA(section, nullptr, "", names.data(), size, path_);
    if (used + 2 < size) {
      names.resize(used + 2);
      return names;
    }
  }
  names.clear();
  return names;
}
