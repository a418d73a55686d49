#include "settings/file_helper_win32.h"

#include <windows.h>

#include <string>

#include "settings/path_rules.h"

bool FileHelper::PathExists(char* path, bool asFolder) const {
  if (path == nullptr)
    return false;
  if (!asFolder)
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  std::string text = path;
  if (RemoveTrailingBackslash(&text))
    path[text.size()] = '\0';
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileHelper::CreateFolderPath(const char* path, bool isFolder) const {
  if (path == nullptr)
    return false;
  std::string work = path;
  if (!isFolder) {
    const PathParts parts = SplitPath(work);
    work = parts.drive + parts.dir;
    RemoveTrailingBackslash(&work);
  }
  for (const std::string& level : FolderLevels(work)) {
    const DWORD attributes = GetFileAttributesA(level.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      if (!CreateDirectoryA(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
      }
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return false;
    }
  }
  return true;
}
