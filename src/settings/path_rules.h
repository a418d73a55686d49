// Path rules for cp932 text: a double-byte character may have 0x5C ('\') as its
// second byte, so separators are found by walking whole characters, never by a
// plain byte search.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/cp932_text.h"

// The longest path the program keeps: 260 characters and the terminator.
constexpr std::size_t kMaxPathChars = 260;
constexpr std::size_t kPathBufferSize = kMaxPathChars + 1;

// Byte index of the last '\' or '/' that is a character of its own, or npos.
std::size_t FindLastSeparator(const std::string& path);

// The pieces of a path as the C runtime's path split gives them: drive ("C:"),
// directory (with its trailing separator), file name without extension, and the
// extension from the last dot of the file name (dot included).
struct PathParts {
  std::string drive;
  std::string dir;
  std::string name;
  std::string ext;
};
PathParts SplitPath(const std::string& path);

// The folder part of a path: everything before its last separator (the separator
// is not kept). Empty when the path has none.
std::string FolderOf(const std::string& path);

// Drops one trailing backslash unless it is the second byte of a double-byte
// character. Returns whether one was dropped.
bool RemoveTrailingBackslash(std::string* path);

// Every folder level of a path, shallowest first: the prefix before each
// backslash that is a character of its own, and the whole text.
std::vector<std::string> FolderLevels(const std::string& path);

// Where Data.ini lives: beside the executable, or in a folder named after the
// user beside it. Empty results mean the path would not fit in kMaxPathChars.
// A user name that ends in half a double-byte character loses that half.
struct SettingsLocation {
  std::string userFolder;  // empty when the file lies beside the executable
  std::string iniPath;
};
SettingsLocation ComposeSettingsLocation(const std::string& exePath, const std::string& userName);

// A network user name counts only when it is a non-empty text other than "unknown".
bool IsUsableUserName(const std::string& name);
