// Every fixed buffer of the program's portable code, filled to its last byte
// and one past: what fits is kept whole, what does not is refused or cut at a
// character boundary, and nothing is written past the end.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "bell/bell_rules.h"
#include "display/font_record.h"
#include "settings/path_rules.h"
#include "settings/settings_schema.h"
#include "settings_page/settings_rules.h"
#include "stopwatch/stopwatch_engine.h"
#include "stopwatch/time_texts.h"
#include "support/fakes.h"
#include "triggers/trigger_methods.h"
#include "timer/duration_rules.h"
#include "timer/preset_record.h"
#include "timer/timer_texts.h"

namespace {

// A buffer with guard bytes on both sides that must survive every call.
class Guarded {
 public:
  explicit Guarded(size_t size) : bytes_(size + 2 * kGuard, '\xA5'), size_(size) {}
  char* data() { return &bytes_[kGuard]; }
  size_t size() const { return size_; }
  std::string text() const { return std::string(&bytes_[kGuard]); }
  bool GuardsIntact() const {
    for (size_t i = 0; i < kGuard; ++i) {
      if (bytes_[i] != '\xA5' || bytes_[kGuard + size_ + i] != '\xA5')
        return false;
    }
    return true;
  }

 private:
  static const size_t kGuard = 16;
  std::string bytes_;
  size_t size_;
};

// "C:\ddd...\ddd" of exactly length characters, in levels of 60.
std::string Folder(size_t length) {
  std::string folder = "C:";
  while (folder.size() + 1 < length) {
    const size_t room = length - folder.size() - 1;
    folder += "\\" + std::string(room < 60 ? room : 60, 'd');
  }
  return folder;
}

}  // namespace

TEST(SettingsPathBuffer, IniPathOf260CharactersFitsAnd261GoesBesideTheProgram) {
  // user "u": folder\u\Data.ini = folder + 11 characters; beside: folder + 9.
  const std::string at = Folder(kMaxPathChars - 11);
  const SettingsLocation fits = ComposeSettingsLocation(at + "\\MipoWatch.exe", "u");
  ASSERT_EQ(fits.iniPath.size(), kMaxPathChars);
  EXPECT_EQ(fits.userFolder, at + "\\u");
  Guarded buffer(kPathBufferSize);
  EXPECT_TRUE(CopyBounded(buffer.data(), buffer.size(), fits.iniPath));
  EXPECT_EQ(buffer.text(), fits.iniPath);
  EXPECT_TRUE(buffer.GuardsIntact());

  const std::string past = Folder(kMaxPathChars - 10);
  const SettingsLocation beside = ComposeSettingsLocation(past + "\\MipoWatch.exe", "u");
  EXPECT_EQ(beside.userFolder, "");
  EXPECT_EQ(beside.iniPath, past + "\\Data.ini");

  const std::string none = Folder(kMaxPathChars - 8);
  EXPECT_EQ(ComposeSettingsLocation(none + "\\MipoWatch.exe", "u").iniPath, "");
  Guarded full(kPathBufferSize);
  EXPECT_FALSE(CopyBounded(full.data(), full.size(), std::string(kPathBufferSize, 'x')));
  EXPECT_EQ(full.text(), "");
  EXPECT_TRUE(full.GuardsIntact());
}

TEST(BellElementBuffer, NamesOf260CharactersAreGivenAnd261Refused) {
  Guarded out(kPathBufferSize);
  const std::string dir = Folder(200);
  const std::string fits = std::string(kMaxPathChars - dir.size() - 1 - 4, 'b') + ".wav";
  EXPECT_TRUE(BellElementName(fits.c_str(), dir.c_str(), out.data(), out.size()));
  EXPECT_EQ(out.text().size(), kMaxPathChars);
  EXPECT_TRUE(out.GuardsIntact());
  const std::string past = "b" + fits;
  EXPECT_FALSE(BellElementName(past.c_str(), dir.c_str(), out.data(), out.size()));
  EXPECT_EQ(out.text(), "");
  EXPECT_TRUE(out.GuardsIntact());
}

TEST(FontFileBuffer, FontBesideAFullLengthSettingsPathAlwaysFits) {
  // font1 is shorter than Data.ini, so any settings path that fits gives a font
  // path that fits the display's 261-byte buffer.
  const std::string settings = Folder(kMaxPathChars - 9) + "\\Data.ini";
  ASSERT_EQ(settings.size(), kMaxPathChars);
  Guarded out(kPathBufferSize);
  EXPECT_TRUE(display::BuildFontFilePath(settings.c_str(), "font1", out.data(), out.size()));
  EXPECT_TRUE(out.GuardsIntact());
  Guarded tight(settings.size() - 8 + 5);  // folder + "font1", no room for the terminator
  EXPECT_FALSE(display::BuildFontFilePath(settings.c_str(), "font1", tight.data(), tight.size()));
  EXPECT_TRUE(tight.GuardsIntact());
}

TEST(FontRecordFaceName, ThirtyTwoBytesWithoutTerminatorAreCutAtACharacter) {
  display::FontRecord record = display::DefaultFontRecord("font1", 96);
  unsigned char bytes[display::kFontRecordSize] = {};
  // 31 bytes of text, the last being a lead byte whose trail would be byte 32.
  std::memset(bytes + 28, 'a', 30);
  bytes[28 + 30] = 0x95;
  bytes[28 + 31] = 0x5C;
  display::LoadFontRecordBytes(record, bytes, sizeof bytes);
  EXPECT_EQ(std::string(record.logFont.faceName), std::string(30, 'a'));
}

TEST(TimeTextBuffers, TheLongestTextsFitWhole) {
  char text[kTimeTextSize];
  for (int index = 0; index < kAccuracyCount; ++index) {
    FormatDuration(INT64_MIN, 1, AccuracyAt(index), text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 2), "-2");
    EXPECT_LT(std::strlen(text), sizeof text - 1) << index;
    CalendarTime most = {65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535};
    FormatClockTime(most, AccuracyAt(index), text, sizeof text);
    EXPECT_LT(std::strlen(text), sizeof text - 1) << index;
  }
  char seconds[timer::kTimeTextSize];
  timer::FormatSeconds(LLONG_MIN, seconds, sizeof seconds);
  EXPECT_LT(std::strlen(seconds), sizeof seconds - 1);
}

TEST(TimeTextBuffers, OneByteShortCutsTheTextAndWritesNoFurther) {
  char full[kTimeTextSize];
  FormatDuration(3723250, 1000, AccuracyAt(0), full, sizeof full);
  const size_t length = std::strlen(full);
  Guarded exact(length + 1);
  FormatDuration(3723250, 1000, AccuracyAt(0), exact.data(), exact.size());
  EXPECT_EQ(exact.text(), full);
  Guarded shorter(length);
  FormatDuration(3723250, 1000, AccuracyAt(0), shorter.data(), shorter.size());
  EXPECT_EQ(shorter.text(), std::string(full).substr(0, length - 1));
  EXPECT_TRUE(exact.GuardsIntact());
  EXPECT_TRUE(shorter.GuardsIntact());
}

TEST(NoticeBuffers, NoticesAroundTheLongestTimeTextFitWhole) {
  char time[timer::kTimeTextSize];
  timer::FormatSeconds(LLONG_MIN, time, sizeof time);
  char notice[timer::kNoticeSize];
  using Formatter = void (*)(const char*, char*, size_t);
  for (Formatter f : {timer::FormatOverrunStatus, timer::FormatBellNotice, timer::FormatAlarmStatus,
                      timer::FormatAlarmLabel}) {
    f(time, notice, sizeof notice);
    EXPECT_NE(std::strstr(notice, time), nullptr);
  }
  timer::FormatRepeatNotice(INT_MIN, notice, sizeof notice);
  EXPECT_NE(std::strstr(notice, "-2147483648"), nullptr);
}

TEST(StatusTextBuffer, EveryCombinationOfMethodsFitsWhole) {
  // The start button's captions, and none at all.
  const char* captions[] = {nullptr, "スタート", "一時停止", "再開"};
  for (int start = 0; start < kTriggerMethodCount; ++start) {
    for (int lap = 0; lap < kTriggerMethodCount; ++lap) {
      for (int stop = 0; stop < kTriggerMethodCount; ++stop) {
        for (const char* caption : captions) {
          for (int running = 0; running < 2; ++running) {
            for (int mode : {kLapMode, kNormalMode}) {
              char text[kStatusTextSize + 1];
              FormatStopwatchStatus(running != 0, mode, caption, start, lap, stop, text,
                                    sizeof text);
              EXPECT_LT(std::strlen(text), kStatusTextSize - 1);
            }
          }
        }
      }
    }
  }
}

TEST(SettingsNumberBuffer, TheLongestTriggerMethodsAreWrittenWhole) {
  fakes::SettingsSaveTarget target;
  SettingsValues values;
  values.startMethod = INT_MIN;
  values.lapMethod = INT_MAX;
  values.stopMethod = -1;
  SaveSettingsValues(values, target);
  ASSERT_GE(target.events.size(), 4u);
  EXPECT_EQ(target.events[1], std::string(schema::kStartMethod) + "=-2147483648");
  EXPECT_EQ(target.events[2], std::string(schema::kLapMethod) + "=2147483647");
}

TEST(PresetBuffers, NamesAndBellTimesStopAtTheirLastByte) {
  // 64 bytes fit the name; a double-byte character that would end at 65 goes.
  const std::string sixtyFour(64, 'n');
  char name[kPresetNameMaxBytes + 1];
  CopyPresetName(sixtyFour.c_str(), name, sizeof name);
  EXPECT_EQ(std::string(name), sixtyFour);
  CopyPresetName((std::string(63, 'n') + "\x95\x5C").c_str(), name, sizeof name);
  EXPECT_EQ(std::string(name), std::string(63, 'n'));
  CopyPresetName((sixtyFour + "x").c_str(), name, sizeof name);
  EXPECT_EQ(std::string(name), sixtyFour);

  // The record buffer holds the longest record the writer can produce.
  TimerPreset preset;
  std::memcpy(preset.name, sixtyFour.c_str(), 65);
  std::memcpy(preset.timeText, "23:59:59", 9);
  preset.mode = timer::kBells;
  preset.repeatIndex = 999;
  preset.alarmDelay = 11;
  preset.bellOn = 1;
  preset.maxDisplayOn = 1;
  preset.bellTimes.assign(kPresetMaxBellTimes, "23:59:58");
  char record[kPresetRecordBufferSize];
  ASSERT_TRUE(FormatPresetRecord(preset, record, sizeof record));
  EXPECT_EQ(std::strlen(record), static_cast<size_t>(kPresetRecordMaxLength));
  char shorter[kPresetRecordBufferSize - 1];
  EXPECT_FALSE(FormatPresetRecord(preset, shorter, sizeof shorter));
  EXPECT_EQ(shorter[0], '\0');
}

TEST(DurationFieldBuffers, SevenCharactersAreReadAndTheValueHeldAtItsLimit) {
  timer::FieldTexts texts = {};
  std::memcpy(texts.hours, "9999999", 8);
  std::memcpy(texts.minutes, "-999999", 8);
  std::memcpy(texts.seconds, "   +059", 8);
  const timer::FieldValues values = timer::ReadFieldValues(texts);
  EXPECT_EQ(values.hours, 9999999);
  EXPECT_EQ(values.minutes, -999999);
  EXPECT_EQ(values.seconds, 59);
  EXPECT_EQ(timer::FieldValue("99999999999999999999"), 999999999);
  EXPECT_EQ(timer::FieldValue("-99999999999999999999"), -999999999);
}
