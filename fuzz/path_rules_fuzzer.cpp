// Paths in cp932 as the program meets them: executable paths, user names, bell
// files typed or stored, font file names. Splits put the pieces back together,
// no separator is ever found on a trail byte, and nothing built from a path
// outgrows the 260-character buffers it is copied into.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

#include "bell/bell_rules.h"
#include "fuzz_check.h"
#include "settings/path_rules.h"
#include "settings/settings_schema.h"
#include "settings_page/settings_rules.h"
#include "support/fakes.h"

namespace {

// Start byte of every character of text, walking double-byte characters whole.
std::vector<bool> CharacterStarts(const std::string& text) {
  std::vector<bool> starts(text.size(), false);
  for (size_t i = 0; i < text.size(); ++i) {
    starts[i] = true;
    if (IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
      ++i;
  }
  return starts;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Paths made of the pieces that matter: separators, drive colons, dots, lead
// bytes followed by 0x5C, plain letters, and lengths around 260.
std::string PathFrom(FuzzedDataProvider& in) {
  static const char* const kPieces[] = {"\\",       "/",        "C:",       ".",    "..",
                                        "\x95\x5C", "\x83\x5C", "\x81\x5C", "a",    "Data.ini",
                                        ".wav",     ".MID",     ".mp3",     ".Wma", "\x82\xA0",
                                        "\x81",     "\\\\",     " ",        "font3"};
  std::string path;
  const int mode = in.ConsumeIntegralInRange<int>(0, 2);
  if (mode == 0) {
    path = in.ConsumeRandomLengthString(320);
    return path.substr(0, std::strlen(path.c_str()));
  }
  const size_t pieces = in.ConsumeIntegralInRange<size_t>(0, 80);
  for (size_t i = 0; i < pieces && in.remaining_bytes() > 0; ++i)
    path += kPieces[in.ConsumeIntegralInRange<size_t>(0, sizeof kPieces / sizeof kPieces[0] - 1)];
  if (mode == 2) {
    // Padded to a length near the path limit.
    const size_t target = in.ConsumeIntegralInRange<size_t>(250, 300);
    if (path.size() < target)
      path.insert(0, target - path.size(), 'p');
  }
  return path.substr(0, std::strlen(path.c_str()));
}

void CheckSplits(const std::string& path) {
  const std::vector<bool> starts = CharacterStarts(path);
  const size_t sep = FindLastSeparator(path);
  if (sep != std::string::npos) {
    FUZZ_CHECK(sep < path.size() && starts[sep]);
    FUZZ_CHECK(path[sep] == '\\' || path[sep] == '/');
  }
  const PathParts parts = SplitPath(path);
  FUZZ_CHECK(parts.drive + parts.dir + parts.name + parts.ext == path);
  FUZZ_CHECK(parts.ext.empty() || parts.ext[0] == '.');
  FUZZ_CHECK(FindLastSeparator(parts.name + parts.ext) == std::string::npos);

  const std::string folder = FolderOf(path);
  FUZZ_CHECK(StartsWith(path, folder));
  FUZZ_CHECK(folder.size() == (sep == std::string::npos ? 0 : sep));

  std::string trimmed = path;
  if (RemoveTrailingBackslash(&trimmed)) {
    FUZZ_CHECK(trimmed + "\\" == path);
    FUZZ_CHECK(starts[path.size() - 1]);
  } else {
    FUZZ_CHECK(trimmed == path);
  }

  const std::vector<std::string> levels = FolderLevels(path);
  for (size_t i = 0; i < levels.size(); ++i) {
    FUZZ_CHECK(StartsWith(path, levels[i]));
    FUZZ_CHECK(!levels[i].empty());
    if (i > 0)
      FUZZ_CHECK(levels[i].size() > levels[i - 1].size());
    // A level ends where a backslash of its own begins, or at the end.
    const size_t end = levels[i].size();
    FUZZ_CHECK(end == path.size() || (starts[end] && path[end] == '\\'));
  }
}

void CheckLocation(const std::string& exePath, const std::string& user) {
  const SettingsLocation where = ComposeSettingsLocation(exePath, user);
  FUZZ_CHECK(where.iniPath.size() <= kMaxPathChars);
  const PathParts parts = SplitPath(exePath);
  FUZZ_CHECK(where.iniPath.empty() || StartsWith(where.iniPath, parts.drive + parts.dir));
  if (!where.userFolder.empty()) {
    FUZZ_CHECK(IsUsableUserName(user));
    FUZZ_CHECK(where.iniPath == where.userFolder + "\\Data.ini");
  }
  // The file name is a name of its own: the separator before it is a character
  // of its own, not the second byte of the user name's last character.
  if (!where.iniPath.empty() && (!parts.dir.empty() || !where.userFolder.empty()))
    FUZZ_CHECK(FindLastSeparator(where.iniPath) == where.iniPath.size() - 9);
  char buffer[kPathBufferSize];
  FUZZ_CHECK(CopyBounded(buffer, sizeof buffer, where.iniPath));
}

void CheckBell(const std::string& path, const std::string& dir, size_t outSize) {
  const char* type = BellDeviceType(path.c_str());
  FUZZ_CHECK(std::strcmp(type, "waveaudio") == 0 || std::strcmp(type, "sequencer") == 0 ||
             std::strcmp(type, "MPEGVideo") == 0);
  ExactBuffer out(outSize);
  const bool named = BellElementName(path.c_str(), dir.c_str(), out.data, out.size);
  FUZZ_CHECK(out.Terminated());
  if (named) {
    FUZZ_CHECK(std::strlen(out.data) <= kMaxPathChars);
    FUZZ_CHECK(!path.empty());
  } else if (out.size > 0) {
    FUZZ_CHECK(out.data[0] == '\0');
  }
}

void CheckSettings(const std::string& text, bool exists, int method, size_t outSize) {
  const CString bell(text);
  (void)IsPlainFileName(bell.c_str());
  const bool proposable = MayProposeToChooser(bell.c_str(), exists);
  if (proposable)
    FUZZ_CHECK(text.size() <= kMaxBellFileChars);
  SettingsValues values;
  values.startMethod = method;
  values.lapMethod = method / 2;
  values.stopMethod = method ^ 0x7fffffff;
  values.bellFile = bell.c_str();
  fakes::SettingsSaveTarget target(exists);
  SaveSettingsValues(values, target);
  const std::string bellKey = std::string(schema::kBellFile) + "=";
  bool bellWritten = false;
  bool reported = false;
  for (const std::string& event : target.events) {
    if (StartsWith(event, bellKey)) {
      FUZZ_CHECK(event.size() - bellKey.size() <= kMaxBellFileChars);
      bellWritten = true;
    }
    reported = reported || event == "refused";
  }
  // The bell file is either stored or refused with the message, never both.
  FUZZ_CHECK(bellWritten != reported);
  if (bellWritten && !text.empty())
    FUZZ_CHECK(exists && HasBellExtension(bell.c_str()));

  ExactBuffer filter(outSize);
  const size_t used =
      BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter.data, filter.size);
  FUZZ_CHECK(used <= filter.size);
  if (used > 0) {
    FUZZ_CHECK(filter.data[used - 1] == '\0');
    FUZZ_CHECK(used >= 2 && filter.data[used - 2] == '\0');
  } else if (filter.size > 0) {
    FUZZ_CHECK(filter.data[0] == '\0');
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const size_t outSize = in.ConsumeIntegralInRange<size_t>(0, 300);
  const bool exists = in.ConsumeBool();
  const int method = in.ConsumeIntegral<int>();
  const std::string path = PathFrom(in);
  const std::string other = PathFrom(in);
  CheckSplits(path);
  CheckLocation(path, other.substr(0, 256));
  CheckBell(path, other, outSize);
  CheckSettings(path, exists, method, outSize);
  ExactBuffer copy(outSize);
  const bool copied = CopyBounded(copy.data, copy.size, path);
  FUZZ_CHECK(copy.Terminated());
  FUZZ_CHECK(copied == (path.size() < outSize));
  if (copied)
    FUZZ_CHECK(path == copy.data);
  return 0;
}
