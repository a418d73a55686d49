// Rules of the settings tab that need no window: which bell file may be stored,
// which text the file chooser may propose, and the order in which the tab's
// values reach Data.ini.
#pragma once

#include <cstddef>

// The longest bell file path that can be stored (the rest of a 260-byte buffer).
constexpr std::size_t kMaxBellFileChars = 259;

// Shown in the page status bar while the tab is in front.
extern const char kSettingsNotice[];

// Shown when a bell file fails the check; the message box has no caption.
extern const char kInvalidBellFileMessage[];

// True unless text is exactly one character long or holds one of \ : / ? < > * " |
// as a character of its own (the second byte of a double-byte character may equal
// those codes and is not one of them). An empty text is plain.
bool IsPlainFileName(const char* text);

// True when the extension of path (from the last dot of its file name) is one the
// bell can play: .wav .mid .mp3 .wma, in any case.
bool HasBellExtension(const char* path);

// What saving does with the text of the bell file box.
enum class BellFileVerdict {
  kClear,   // empty box: store the empty text
  kStore,   // an existing path with a playable extension: store it as typed
  kRefuse,  // anything else: tell the user and leave the stored value alone
};

// exists: whether the text names anything that exists (file or folder).
BellFileVerdict JudgeBellFile(const char* text, bool exists);

// Whether the text of the bell file box may go to the file chooser as the
// proposed name: an existing path always, anything else only a plain file name.
bool MayProposeToChooser(const char* text, bool exists);

// The values the tab's controls hold when it saves. A trigger method of -1 means
// that list has no selection.
struct SettingsValues {
  bool endTab = true;
  int startMethod = 0;
  int lapMethod = 0;
  int stopMethod = 0;
  bool notificationArea = true;
  const char* bellFile = "";
};

// Where saving sends its results; the page implements it with Data.ini, the file
// system and a message box.
class SettingsSaveTarget {
 public:
  virtual ~SettingsSaveTarget() = default;
  virtual void Write(const char* key, const char* value) = 0;
  virtual bool PathExists(const char* path) = 0;
  virtual void ReportInvalidBellFile() = 0;
};

// Writes EndTab, StartWay, TimeWay, EndWay and NotifyIcon, then BellFile when it
// is empty or valid; an invalid bell file is reported instead and not written.
void SaveSettingsValues(const SettingsValues& values, SettingsSaveTarget& target);

// The rows of the file chooser's type list, in the order shown.
struct FileTypeRow {
  const char* label;
  const char* pattern;
};
extern const FileTypeRow kBellFileTypes[];
extern const std::size_t kBellFileTypeCount;

// Lays rows out as a chooser filter: label NUL pattern NUL ... NUL. Returns the
// bytes used including the final NUL, or 0 (and an empty filter) when they do
// not fit in size.
std::size_t BuildChooserFilter(const FileTypeRow* rows, std::size_t count, char* out,
                               std::size_t size);
