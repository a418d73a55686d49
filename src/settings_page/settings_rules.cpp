#include "settings_page/settings_rules.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "settings/path_rules.h"
#include "settings/settings_schema.h"

const char kSettingsNotice[] = "マウス・キーの方法はどこでも有効。タブを離れると保存します";
const char kInvalidBellFileMessage[] = "ベルファイルが有効ではありません。";

const FileTypeRow kBellFileTypes[] = {
    {"wavファイル(*.wav)", "*.wav"},
    {"midファイル(*.mid)", "*.mid"},
    {"mp3ファイル(*.mp3)", "*.mp3"},
    {"wmaファイル(*.wma)", "*.wma"},
};
const std::size_t kBellFileTypeCount = sizeof(kBellFileTypes) / sizeof(kBellFileTypes[0]);

namespace {

const char* const kBellExtensions[] = {".wav", ".mid", ".mp3", ".wma"};

bool IsReservedInFileName(char c) {
  return std::strchr("\\:/?<>*\"|", c) != nullptr && c != '\0';
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const char* b) {
  const std::size_t length = std::strlen(b);
  if (a.size() != length)
    return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i]))
      return false;
  }
  return true;
}

}  // namespace

bool IsPlainFileName(const char* text) {
  if (text == nullptr)
    return true;
  std::size_t characters = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    ++characters;
    if (IsCp932LeadByte(static_cast<unsigned char>(*p))) {
      // The trail byte belongs to this character, whatever its code.
      if (p[1] != '\0')
        ++p;
      continue;
    }
    if (IsReservedInFileName(*p))
      return false;
  }
  return characters != 1;
}

bool HasBellExtension(const char* path) {
  if (path == nullptr)
    return false;
  const std::string ext = SplitPath(path).ext;
  for (const char* candidate : kBellExtensions) {
    if (EqualsIgnoringAsciiCase(ext, candidate))
      return true;
  }
  return false;
}

BellFileVerdict JudgeBellFile(const char* text, bool exists) {
  if (text == nullptr || text[0] == '\0')
    return BellFileVerdict::kClear;
  // A text too long to store whole would be stored cut off, naming another path.
  if (std::strlen(text) > kMaxBellFileChars)
    return BellFileVerdict::kRefuse;
  return exists && HasBellExtension(text) ? BellFileVerdict::kStore : BellFileVerdict::kRefuse;
}

bool MayProposeToChooser(const char* text, bool exists) {
  if (text == nullptr)
    return false;
  // The chooser's name buffer holds 259 characters; a longer text would be cut.
  if (std::strlen(text) > kMaxBellFileChars)
    return false;
  return exists || IsPlainFileName(text);
}

void SaveSettingsValues(const SettingsValues& values, SettingsSaveTarget& target) {
  char number[16];
  target.Write(schema::kEndTab, values.endTab ? "1" : "0");
  const struct {
    const char* key;
    int method;
  } methods[] = {
      {schema::kStartMethod, values.startMethod},
      {schema::kLapMethod, values.lapMethod},
      {schema::kStopMethod, values.stopMethod},
  };
  for (const auto& stored : methods) {
    std::snprintf(number, sizeof number, "%d", stored.method);
    target.Write(stored.key, number);
  }
  target.Write(schema::kNotificationArea, values.notificationArea ? "1" : "0");
  const char* bell = values.bellFile != nullptr ? values.bellFile : "";
  const bool exists = bell[0] != '\0' && target.PathExists(bell);
  switch (JudgeBellFile(bell, exists)) {
    case BellFileVerdict::kClear:
      target.Write(schema::kBellFile, "");
      break;
    case BellFileVerdict::kStore:
      target.Write(schema::kBellFile, bell);
      break;
    case BellFileVerdict::kRefuse:
      target.ReportInvalidBellFile();
      break;
  }
}

std::size_t BuildChooserFilter(const FileTypeRow* rows, std::size_t count, char* out,
                               std::size_t size) {
  if (out == nullptr || size == 0)
    return 0;
  std::size_t used = 0;
  for (std::size_t i = 0; i < count; ++i) {
    for (const char* part : {rows[i].label, rows[i].pattern}) {
      const std::size_t length = std::strlen(part) + 1;
      // Keep room for the final NUL that ends the list.
      if (used + length + 1 > size) {
        out[0] = '\0';
        if (size > 1)
          out[1] = '\0';
        return 0;
      }
      std::memcpy(out + used, part, length);
      used += length;
    }
  }
  out[used++] = '\0';
  return used;
}
