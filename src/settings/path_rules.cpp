#include "settings/path_rules.h"

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::size_t FindLastSeparator(const std::string& path) {
  std::size_t last = std::string::npos;
  ForEachCharacter(path, [&](std::size_t i) {
    if (IsSeparator(path[i]))
      last = i;
  });
  return last;
}

PathParts SplitPath(const std::string& path) {
  PathParts parts;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':' && !IsCp932LeadByte(static_cast<unsigned char>(rest[0]))) {
    parts.drive = rest.substr(0, 2);
    rest = rest.substr(2);
  }
  const std::size_t sep = FindLastSeparator(rest);
  if (sep != std::string::npos) {
    parts.dir = rest.substr(0, sep + 1);
    rest = rest.substr(sep + 1);
  }
  std::size_t dot = std::string::npos;
  ForEachCharacter(rest, [&](std::size_t i) {
    if (rest[i] == '.')
      dot = i;
  });
  if (dot != std::string::npos) {
    parts.name = rest.substr(0, dot);
    parts.ext = rest.substr(dot);
  } else {
    parts.name = rest;
  }
  return parts;
}

std::string FolderOf(const std::string& path) {
  const std::size_t sep = FindLastSeparator(path);
  return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

bool RemoveTrailingBackslash(std::string* path) {
  if (path->empty())
    return false;
  const std::size_t last = path->size() - 1;
  if ((*path)[last] != '\\')
    return false;
  // The backslash is a character of its own only if the walk lands on it.
  bool own = false;
  ForEachCharacter(*path, [&](std::size_t i) {
    if (i == last)
      own = true;
  });
  if (!own)
    return false;
  path->erase(last);
  return true;
}

std::vector<std::string> FolderLevels(const std::string& path) {
  std::vector<std::string> levels;
  bool endsWithSeparator = false;
  ForEachCharacter(path, [&](std::size_t i) {
    endsWithSeparator = path[i] == '\\';
    if (endsWithSeparator && i > 0)
      levels.push_back(path.substr(0, i));
  });
  if (!path.empty() && !endsWithSeparator)
    levels.push_back(path);
  return levels;
}

bool IsUsableUserName(const std::string& name) {
  return !name.empty() && name != "unknown";
}

namespace {

// A name cut inside a double-byte character ends in a lone lead byte, which
// would take the separator after it for its second byte; the half goes.
std::string WholeCharacters(const std::string& text) {
  std::size_t end = 0;
  ForEachCharacter(text, [&](std::size_t i) {
    const bool lead = IsCp932LeadByte(static_cast<unsigned char>(text[i]));
    if (!lead || i + 1 < text.size())
      end = i + (lead ? 2 : 1);
  });
  return text.substr(0, end);
}

}  // namespace

SettingsLocation ComposeSettingsLocation(const std::string& exePath,
                                         const std::string& rawUserName) {
  SettingsLocation where;
  const PathParts parts = SplitPath(exePath);
  const std::string base = parts.drive + parts.dir;
  const std::string userName = WholeCharacters(rawUserName);
  if (IsUsableUserName(userName)) {
    const std::string folder = base + userName;
    const std::string ini = folder + "\\Data.ini";
    if (ini.size() <= kMaxPathChars) {
      where.userFolder = folder;
      where.iniPath = ini;
      return where;
    }
  }
  // No user, or a user folder whose path would not fit: share the file beside
  // the executable rather than cut a path in the middle.
  const std::string beside = base + "Data.ini";
  if (beside.size() <= kMaxPathChars)
    where.iniPath = beside;
  return where;
}
