#include "settings_page/settings_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/fakes.h"

namespace {

// cp932 characters whose second byte equals '\' or '|': 表 95 5C, ソ 83 5C, ポ 83 7C.
const std::string kHyou = "\x95\x5C", kSo = "\x83\x5C", kPo = "\x83\x7C";

TEST(PlainFileName, RefusesSingleCharactersAndReservedCharactersOnly) {
  EXPECT_TRUE(IsPlainFileName(""));
  EXPECT_TRUE(IsPlainFileName("ab"));
  EXPECT_FALSE(IsPlainFileName("a"));
  EXPECT_FALSE(IsPlainFileName(kSo.c_str()));  // one double-byte character
  for (const char* reserved : {"\\", ":", "/", "?", "<", ">", "*", "\"", "|"}) {
    for (const std::string& text :
         {std::string(reserved) + "b.wav", "b" + std::string(reserved) + ".wav"}) {
      EXPECT_FALSE(IsPlainFileName(text.c_str())) << text;
    }
  }
  // Trail bytes that equal '\' or '|' are not separators...
  EXPECT_TRUE(IsPlainFileName((kHyou + ".wav").c_str()));
  EXPECT_TRUE(IsPlainFileName((kSo + kPo + ".mp3").c_str()));
  // ...but a real one after them still counts, and a cut-off lead byte is read safely.
  EXPECT_FALSE(IsPlainFileName((kHyou + "\\x.wav").c_str()));
  EXPECT_FALSE(IsPlainFileName((kPo + "|").c_str()));
  EXPECT_TRUE(IsPlainFileName("ab\x83"));
}

TEST(BellFileJudgement, NeedsAnExistingPathWithAPlayableExtensionInAnyCase) {
  for (const char* good : {"C:\\snd\\bell.WAV", "bell.Mid", "x.mP3", "C:\\my.dir\\b.wma"}) {
    EXPECT_EQ(BellFileVerdict::kStore, JudgeBellFile(good, true)) << good;
    EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile(good, false)) << good;
  }
  for (const char* bad :
       {"bell", "bell.", "bell.wave", "bell.wav.txt", "C:\\my.wav\\bell", "C:/s.mid/bell"}) {
    EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile(bad, true)) << bad;
  }
  EXPECT_EQ(BellFileVerdict::kClear, JudgeBellFile("", false));
  // A text longer than can be stored would be stored cut, naming another path.
  std::string path = "C:\\" + std::string(kMaxBellFileChars - 7, 'a') + ".wav";
  EXPECT_EQ(BellFileVerdict::kStore, JudgeBellFile(path.c_str(), true));
  EXPECT_EQ(BellFileVerdict::kRefuse, JudgeBellFile(("b" + path).c_str(), true));
}

TEST(ChooserProposal, ExistingPathsAndPlainNamesOnly) {
  EXPECT_TRUE(MayProposeToChooser("C:\\snd\\bell.wav", true));
  EXPECT_TRUE(MayProposeToChooser((kSo + "ng.wav").c_str(), false));
  EXPECT_FALSE(MayProposeToChooser("C:\\snd\\bell.wav", false));
  EXPECT_FALSE(MayProposeToChooser("x", false));
  EXPECT_FALSE(MayProposeToChooser(std::string(kMaxBellFileChars + 1, 'a').c_str(), true));
}

TEST(SavingValues, SwitchesAndMethodsInOrderThenTheBellFileOnlyWhenEmptyOrValid) {
  const std::vector<std::string> methods = {"EndTab=0", "StartWay=-1", "TimeWay=7", "EndWay=8",
                                            "NotifyIcon=0"};
  const struct {
    const char* bell;
    bool exists;
    const char* last;
  } cases[] = {
      {"C:\\snd\\bell.WAV", true, "BellFile=C:\\snd\\bell.WAV"},
      {"C:\\snd\\missing.wav", false, "refused"},
      {"C:\\snd\\bell.txt", true, "refused"},
      {"", false, "BellFile="},
  };
  for (const auto& c : cases) {
    SettingsValues values;
    values.endTab = false;
    values.startMethod = -1;
    values.lapMethod = 7;
    values.stopMethod = 8;
    values.notificationArea = false;
    values.bellFile = c.bell;
    fakes::SettingsSaveTarget target(c.exists);
    SaveSettingsValues(values, target);
    std::vector<std::string> expected = methods;
    expected.push_back(c.last);
    EXPECT_EQ(expected, target.events) << c.bell;
  }
}

TEST(ChooserFilter, BellTypesInOrderAndNothingCutWhenTooSmall) {
  char filter[256];
  const std::size_t used =
      BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter);
  std::vector<std::string> parts;
  for (const char* p = filter; *p != '\0'; p += std::strlen(p) + 1) parts.push_back(p);
  const std::vector<std::string> expected = {
      "wavファイル(*.wav)", "*.wav", "midファイル(*.mid)", "*.mid",
      "mp3ファイル(*.mp3)", "*.mp3", "wmaファイル(*.wma)", "*.wma"};
  EXPECT_EQ(expected, parts);
  ASSERT_GE(used, 2u);
  EXPECT_EQ('\0', filter[used - 2]);  // the list ends with two NULs
  std::vector<char> small(used - 1, 'x');
  EXPECT_EQ(0u, BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, small.data(), small.size()));
  EXPECT_EQ('\0', small[0]);
}

}  // namespace
