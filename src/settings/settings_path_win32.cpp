#include "settings/settings_path_win32.h"

#include <windows.h>
#include <winnetwk.h>

#include <string>

#include "settings/file_helper_win32.h"
#include "settings/path_rules.h"

std::string ProgramPath() {
  char buffer[1024] = {};
  const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
  if (n == 0 || n >= sizeof(buffer))
    return std::string();
  return std::string(buffer, n);
}

std::string ProgramFolder() {
  return FolderOf(ProgramPath());
}

namespace {

std::string NetworkUserName() {
  char name[256] = {};
  DWORD size = sizeof(name);
  if (WNetGetUserA(nullptr, name, &size) != NO_ERROR)
    return std::string();
  name[sizeof(name) - 1] = '\0';
  return name;
}

}  // namespace

std::string FindDataIniPath() {
  const SettingsLocation where = ComposeSettingsLocation(ProgramPath(), NetworkUserName());
  if (!where.userFolder.empty()) {
    FileHelper helper;
    char folder[kPathBufferSize] = {};
    if (CopyBounded(folder, sizeof(folder), where.userFolder) && !helper.PathExists(folder, true)) {
      helper.CreateFolderPath(where.userFolder.c_str(), true);
    }
  }
  return where.iniPath;
}
