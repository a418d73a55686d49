#include "settings_page/settings_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Double-byte characters whose second byte equals an ASCII code the plain-name
// test looks for: a byte-wise search would take them for separators.
const char kHyou[] = "表";  // 95 5C: trail byte is '\'
const char kSo[] = "ソ";    // 83 5C
const char kPo[] = "ポ";    // 83 7C: trail byte is '|'

TEST(PlainFileName, SourceLiteralsCarryTheTrailBytesTheCasesNeed) {
  EXPECT_EQ(std::string("\x95\x5C"), kHyou);
  EXPECT_EQ(std::string("\x83\x5C"), kSo);
  EXPECT_EQ(std::string("\x83\x7C"), kPo);
}

TEST(PlainFileName, OneCharacterIsNotAName) {
  EXPECT_FALSE(IsPlainFileName("a"));
  EXPECT_FALSE(IsPlainFileName("."));
  // One double-byte character is one character, too.
  EXPECT_FALSE(IsPlainFileName("あ"));
  EXPECT_FALSE(IsPlainFileName(kSo));
  EXPECT_TRUE(IsPlainFileName("ab"));
  EXPECT_TRUE(IsPlainFileName("あa"));
  EXPECT_TRUE(IsPlainFileName(""));
}

TEST(PlainFileName, EveryCharacterReservedInPathsRefusesTheText) {
  for (const char* reserved : {"\\", ":", "/", "?", "<", ">", "*", "\"", "|"}) {
    const std::string middle = std::string("bell") + reserved + "x.wav";
    EXPECT_FALSE(IsPlainFileName(middle.c_str())) << middle;
    const std::string first = std::string(reserved) + "bell.wav";
    EXPECT_FALSE(IsPlainFileName(first.c_str())) << first;
    const std::string last = std::string("bell.wav") + reserved;
    EXPECT_FALSE(IsPlainFileName(last.c_str())) << last;
  }
  EXPECT_FALSE(IsPlainFileName("C:bell.wav"));
  EXPECT_FALSE(IsPlainFileName("sounds\\bell.wav"));
}

TEST(PlainFileName, TrailBytesThatLookLikeBackslashOrBarDoNotCount) {
  EXPECT_TRUE(IsPlainFileName((std::string(kHyou) + ".wav").c_str()));
  EXPECT_TRUE(IsPlainFileName((std::string(kSo) + "フト.mid").c_str()));
  EXPECT_TRUE(IsPlainFileName((std::string(kPo) + "ップ.mp3").c_str()));
  EXPECT_TRUE(IsPlainFileName((std::string("a") + kHyou + kPo).c_str()));
  // A real separator after such a character still refuses the text.
  EXPECT_FALSE(IsPlainFileName((std::string(kHyou) + "\\x.wav").c_str()));
  EXPECT_FALSE(IsPlainFileName((std::string(kPo) + "|x.wav").c_str()));
}

TEST(PlainFileName, AFinalLeadByteWithoutItsTrailIsReadSafely) {
  EXPECT_TRUE(IsPlainFileName("ab\x83"));
  EXPECT_FALSE(IsPlainFileName("\x83"));
}

TEST(BellExtension, PlayableExtensionsInAnyCase) {
  EXPECT_TRUE(HasBellExtension("C:\\snd\\bell.wav"));
  EXPECT_TRUE(HasBellExtension("C:\\snd\\bell.WAV"));
  EXPECT_TRUE(HasBellExtension("bell.Mid"));
  EXPECT_TRUE(HasBellExtension("bell.mP3"));
  EXPECT_TRUE(HasBellExtension("bell.WMA"));
  EXPECT_TRUE(HasBellExtension("C:\\音楽\\表.WAV"));
}

TEST(BellExtension, OtherOrMissingExtensionsAreRefused) {
  EXPECT_FALSE(HasBellExtension("bell"));
  EXPECT_FALSE(HasBellExtension("bell."));
  EXPECT_FALSE(HasBellExtension("bell.wave"));
  EXPECT_FALSE(HasBellExtension("bell.wa"));
  EXPECT_FALSE(HasBellExtension("bell.wav.txt"));
  EXPECT_FALSE(HasBellExtension("bell.ogg"));
  EXPECT_FALSE(HasBellExtension(""));
}

TEST(BellExtension, ADotInAFolderNameIsNotTheFilesExtension) {
  EXPECT_FALSE(HasBellExtension("C:\\my.wav\\bell"));
  EXPECT_FALSE(HasBellExtension("C:\\sounds.mid\\readme"));
  EXPECT_FALSE(HasBellExtension("C:/sounds.mp3/bell"));
  EXPECT_TRUE(HasBellExtension("C:\\my.dir\\bell.wav"));
}

TEST(BellFileJudgement, EmptyTextClearsWhateverExists) {
  EXPECT_EQ(BellFileVerdict::kClear, JudgeBellFile("", false));
  EXPECT_EQ(BellFileVerdict::kClear, JudgeBellFile("", true));
  EXPECT_EQ(BellFileVerdict::kClear, JudgeBellFile(nullptr, false));
}

TEST(BellFileJudgement, NeedsBothAnExistingPathAndAPlayableExtension) {
  EXPECT_EQ(BellFileVerdict::kStore, JudgeBellFile("C:\\snd\\BELL.WAV", true));
  EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile("C:\\snd\\bell.wav", false));
  EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile("C:\\snd\\bell.txt", true));
  EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile("C:\\snd.wav\\bell", true));
  EXPECT_EQ(BellFileVerdict::kStore, JudgeBellFile("bell.mid", true));
}

TEST(BellFileJudgement, TextTooLongToStoreWholeIsRefused) {
  std::string path = "C:\\" + std::string(kMaxBellFileChars - 7, 'a') + ".wav";
  ASSERT_EQ(kMaxBellFileChars, path.size());
  EXPECT_EQ(BellFileVerdict::kStore, JudgeBellFile(path.c_str(), true));
  path.insert(3, "b");
  EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile(path.c_str(), true));
}

TEST(ChooserProposal, ExistingPathsAndPlainNamesAreProposed) {
  EXPECT_TRUE(MayProposeToChooser("C:\\snd\\bell.wav", true));
  EXPECT_TRUE(MayProposeToChooser("bell.wav", false));
  EXPECT_TRUE(MayProposeToChooser((std::string(kSo) + "ng.wav").c_str(), false));
  EXPECT_TRUE(MayProposeToChooser("", false));
}

TEST(ChooserProposal, MissingPathsAndOddTextsAreNot) {
  EXPECT_FALSE(MayProposeToChooser("C:\\snd\\bell.wav", false));
  EXPECT_FALSE(MayProposeToChooser("x", false));
  EXPECT_FALSE(MayProposeToChooser("a:b", false));
  EXPECT_FALSE(MayProposeToChooser("bell*.wav", false));
  EXPECT_FALSE(MayProposeToChooser(std::string(kMaxBellFileChars + 1, 'a').c_str(), true));
}

// Records what saving does, in order.
class RecordingTarget : public SettingsSaveTarget {
 public:
  explicit RecordingTarget(bool exists) : exists_(exists) {}
  void Write(const char* key, const char* value) override {
    events.push_back(std::string(key) + "=" + value);
  }
  bool PathExists(const char* path) override {
    events.push_back(std::string("exists?") + path);
    return exists_;
  }
  void ReportInvalidBellFile() override { events.push_back("refused"); }
  std::vector<std::string> events;

 private:
  bool exists_;
};

TEST(SavingValues, WritesTheFourSettingsInOrderThenAValidBellFile) {
  SettingsValues values;
  values.endTab = true;
  values.startWay = 1;
  values.timeWay = 7;
  values.endWay = 8;
  values.bellFile = "C:\\snd\\bell.WAV";
  RecordingTarget target(true);
  SaveSettingsValues(values, target);
  const std::vector<std::string> expected = {"EndTab=1",
                                             "StartWay=1",
                                             "TimeWay=7",
                                             "EndWay=8",
                                             "exists?C:\\snd\\bell.WAV",
                                             "BellFile=C:\\snd\\bell.WAV"};
  EXPECT_EQ(expected, target.events);
}

TEST(SavingValues, InvalidBellFileIsReportedAndNotWrittenButTheRestIs) {
  SettingsValues values;
  values.endTab = false;
  values.startWay = 0;
  values.timeWay = 2;
  values.endWay = 3;
  values.bellFile = "C:\\snd\\missing.wav";
  RecordingTarget target(false);
  SaveSettingsValues(values, target);
  const std::vector<std::string> expected = {
      "EndTab=0", "StartWay=0", "TimeWay=2", "EndWay=3", "exists?C:\\snd\\missing.wav", "refused"};
  EXPECT_EQ(expected, target.events);
}

TEST(SavingValues, ExistingFileOfAnotherTypeIsRefused) {
  SettingsValues values;
  values.bellFile = "C:\\snd\\bell.txt";
  RecordingTarget target(true);
  SaveSettingsValues(values, target);
  ASSERT_FALSE(target.events.empty());
  EXPECT_EQ("refused", target.events.back());
  for (const std::string& event : target.events) EXPECT_NE(0u, event.rfind("BellFile", 0));
}

TEST(SavingValues, EmptyBellFileClearsTheKeyWithoutLookingAtTheDisk) {
  SettingsValues values;
  values.bellFile = "";
  RecordingTarget target(true);
  SaveSettingsValues(values, target);
  const std::vector<std::string> expected = {"EndTab=1", "StartWay=0", "TimeWay=0", "EndWay=0",
                                             "BellFile="};
  EXPECT_EQ(expected, target.events);
}

TEST(SavingValues, AListWithoutSelectionIsStoredAsMinusOne) {
  SettingsValues values;
  values.startWay = -1;
  values.timeWay = 4;
  values.endWay = -1;
  RecordingTarget target(false);
  SaveSettingsValues(values, target);
  ASSERT_GE(target.events.size(), 4u);
  EXPECT_EQ("StartWay=-1", target.events[1]);
  EXPECT_EQ("TimeWay=4", target.events[2]);
  EXPECT_EQ("EndWay=-1", target.events[3]);
}

TEST(ChooserFilter, BellTypesInOrderWithTheirPatterns) {
  char filter[256];
  const std::size_t used =
      BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter);
  std::vector<std::string> parts;
  for (const char* p = filter; *p != '\0'; p += std::strlen(p) + 1) parts.push_back(p);
  const std::vector<std::string> expected = {
      "wavファイル(*.wav)", "*.wav", "midファイル(*.mid)", "*.mid",
      "mp3ファイル(*.mp3)", "*.mp3", "wmaファイル(*.wma)", "*.wma"};
  EXPECT_EQ(expected, parts);
  std::size_t total = 1;  // the NUL that ends the list
  for (const std::string& part : parts) total += part.size() + 1;
  EXPECT_EQ(total, used);
  EXPECT_EQ('\0', filter[used - 1]);
  EXPECT_EQ('\0', filter[used - 2]);
}

TEST(ChooserFilter, TooSmallABufferGivesAnEmptyFilterNotACutOne) {
  char filter[256];
  const std::size_t needed =
      BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter);
  ASSERT_GT(needed, 0u);
  std::vector<char> exact(needed, 'x');
  EXPECT_EQ(needed,
            BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, exact.data(), exact.size()));
  std::vector<char> small(needed - 1, 'x');
  EXPECT_EQ(0u, BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, small.data(), small.size()));
  EXPECT_EQ('\0', small[0]);
  EXPECT_EQ('\0', small[1]);
}

TEST(SettingsTexts, NoticeIsOneShortLine) {
  const std::size_t length = std::strlen(kSettingsNotice);
  EXPECT_GT(length, 0u);
  EXPECT_LE(length, 63u);
  EXPECT_EQ(nullptr, std::strpbrk(kSettingsNotice, "\r\n\t"));
}

TEST(SettingsTexts, InvalidBellFileMessageBytes) {
  EXPECT_STREQ(
      "\x83\x78\x83\x8B\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x97\x4C\x8C\xF8\x82\xC5\x82\xCD"
      "\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42",
      kInvalidBellFileMessage);
}

}  // namespace
