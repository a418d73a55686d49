#include "bell/bell_rules.h"

#include <string>

#include "settings/path_rules.h"

namespace {

struct DeviceByExtension {
  const char* extension;  // lower case, dot included
  const char* deviceType;
};

const DeviceByExtension kDevices[] = {
    {".mid", "sequencer"},
    {".mp3", "MPEGVideo"},
    {".wma", "MPEGVideo"},
};
const char kDefaultDevice[] = "waveaudio";

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool HasDrive(const std::string& path) {
  if (path.size() < 2 || path[1] != ':')
    return false;
  const char c = path[0];
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsNetworkPath(const std::string& path) {
  return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

}  // namespace

const char* BellDeviceType(const char* path) {
  if (path == nullptr)
    return kDefaultDevice;
  // The split steps over double-byte characters, so a trail byte 0x5C in a
  // folder name is not taken for a separator.
  const std::string ext = LowerAscii(SplitPath(path).ext);
  for (const DeviceByExtension& d : kDevices) {
    if (ext == d.extension)
      return d.deviceType;
  }
  return kDefaultDevice;
}

bool BellElementName(const char* path, const char* currentDir, char* out, size_t outSize) {
  if (outSize > 0)
    out[0] = '\0';
  if (path == nullptr || path[0] == '\0')
    return false;
  const std::string given = path;
  std::string element;
  if (HasDrive(given) || IsNetworkPath(given)) {
    element = given;
  } else {
    std::string dir = currentDir != nullptr ? currentDir : "";
    while (RemoveTrailingBackslash(&dir)) {
    }
    std::size_t start = 0;
    while (start < given.size() && given[start] == '\\') ++start;
    element = dir + "\\" + given.substr(start);
  }
  if (element.size() > kMaxPathChars)
    return false;
  return CopyBounded(out, outSize, element);
}
