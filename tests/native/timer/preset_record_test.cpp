#include "timer/preset_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Fill(TimerPreset* p, const char* name, int repeat, const char* time, int mode, int delay,
          int bell, int maxDisp, const std::vector<std::string>& bells = {}) {
  p->Reset();
  std::snprintf(p->name, sizeof p->name, "%s", name);
  std::snprintf(p->timeText, sizeof p->timeText, "%s", time);
  p->repeatIndex = repeat;
  p->mode = mode;
  p->alarmDelay = delay;
  p->bellOn = bell;
  p->maxDisplayOn = maxDisp;
  p->bellTimes = bells;
}

std::string Format(const TimerPreset& p) {
  char out[kPresetRecordBufferSize];
  std::memset(out, 'x', sizeof out);
  if (!FormatPresetRecord(p, out, sizeof out)) {
    EXPECT_STREQ("", out);
    return "<refused>";
  }
  return out;
}

std::vector<std::string> Bells(const TimerPreset& p) {
  return p.bellTimes;
}

// The fields of a preset as one comparable text.
std::string Describe(const TimerPreset& p) {
  char head[160];
  std::snprintf(head, sizeof head, "%s|%d|%s|%d|%d|%d|%d", p.name, p.repeatIndex, p.timeText,
                p.mode, p.alarmDelay, p.bellOn, p.maxDisplayOn);
  std::string text = head;
  for (const std::string& b : Bells(p)) text += "|" + b;
  return text;
}

std::string Parse(const std::string& record) {
  TimerPreset p;
  if (!ParsePresetRecord(record.c_str(), &p)) {
    EXPECT_EQ("|0||0|0|0|0", Describe(p)) << "a refused record must leave the preset empty";
    return "<refused>";
  }
  return Describe(p);
}

std::string Time(int i) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", i / 60, i % 60, (i * 7) % 60);
  return text;
}

TEST(PresetRecordFormat, StoredFormsOfANormalAndABellsPreset) {
  TimerPreset p;
  Fill(&p, "Tea", 0, "00:03:00", 0, 0, 1, 0);
  EXPECT_EQ("Tea,0,00:03:000010", Format(p));
  Fill(&p, "Test", 0, "00:10:00", 2, 0, 1, 0, {"00:05:00", "00:01:00"});
  EXPECT_EQ("Test,0,00:10:00201000:05:0000:01:00", Format(p));
}

TEST(PresetRecordFormat, RepeatAndDelayAreWrittenWithoutLeadingZeros) {
  TimerPreset p;
  Fill(&p, "R", 999, "01:02:03", 1, 11, 0, 1);
  EXPECT_EQ("R,999,01:02:0311101", Format(p));
  Fill(&p, "R", 7, "01:02:03", 4, 9, 1, 1);
  EXPECT_EQ("R,7,01:02:034911", Format(p));
}

TEST(PresetRecordFormat, BellTimesOfOtherModesAreNotWritten) {
  // Written, they would make the delay field unreadable.
  TimerPreset p;
  Fill(&p, "N", 0, "00:03:00", 0, 10, 1, 0, {"00:01:00"});
  EXPECT_EQ("N,0,00:03:0001010", Format(p));
}

TEST(PresetRecordFormat, PresetsThatWouldNotReadBackAreRefused) {
  TimerPreset p;
  Fill(&p, "", 0, "00:03:00", 0, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "a,b", 0, "00:03:00", 0, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "0:03:00", 0, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "100:40:3", 0, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 1000, "00:03:00", 1, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", -1, "00:03:00", 1, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 5, 0, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 4, 12, 1, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 0, 0, 2, 0);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 0, 0, 1, -1);
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 2, 0, 1, 0, {"00:05"});
  EXPECT_EQ("<refused>", Format(p));
  Fill(&p, "T", 0, "00:03:00", 2, 0, 1, 0, {"00:05:00xyz"});
  EXPECT_EQ("<refused>", Format(p));
}

TEST(PresetRecordFormat, AnOverfullNameBufferIsRefusedNotOverread) {
  TimerPreset p;
  Fill(&p, "T", 0, "00:03:00", 0, 0, 1, 0);
  std::memset(p.name, 'n', sizeof p.name);  // no terminator at all
  EXPECT_EQ("<refused>", Format(p));
}

TEST(PresetRecordFormat, ATooSmallBufferFailsAndIsLeftEmpty) {
  TimerPreset p;
  Fill(&p, "Test", 0, "00:10:00", 2, 0, 1, 0, {"00:05:00", "00:01:00"});
  const std::string full = "Test,0,00:10:00201000:05:0000:01:00";
  std::vector<char> exact(full.size() + 1);
  EXPECT_TRUE(FormatPresetRecord(p, exact.data(), exact.size()));
  EXPECT_EQ(full, exact.data());
  for (size_t size : {full.size(), full.size() - 8, size_t{10}, size_t{1}}) {
    std::vector<char> out(size, 'x');
    EXPECT_FALSE(FormatPresetRecord(p, out.data(), out.size())) << size;
    EXPECT_STREQ("", out.data()) << size;
  }
  char none = 'x';
  EXPECT_FALSE(FormatPresetRecord(p, &none, 0));
  EXPECT_EQ('x', none);
}

TEST(PresetRecordParse, StoredFormsOfANormalAndABellsPreset) {
  EXPECT_EQ("Tea|0|00:03:00|0|0|1|0", Parse("Tea,0,00:03:000010"));
  EXPECT_EQ("Test|0|00:10:00|2|0|1|0|00:05:00|00:01:00",
            Parse("Test,0,00:10:00201000:05:0000:01:00"));
}

TEST(PresetRecordParse, EveryDelayPositionComesBackWithBothFlagsWithAndWithoutBellTimes) {
  for (int mode = 0; mode <= kPresetMaxMode; ++mode) {
    for (int delay = 0; delay <= kPresetMaxAlarmDelay; ++delay) {
      for (int flags = 0; flags < 4; ++flags) {
        for (int bells = 0; bells < 3; ++bells) {
          if (mode != timer::kBells && bells > 0)
            continue;
          std::vector<std::string> times;
          for (int i = bells; i > 0; --i) times.push_back(Time(i * 11));
          TimerPreset p;
          Fill(&p, "名前", 12, "11:02:00", mode, delay, flags & 1, flags >> 1, times);
          const std::string record = Format(p);
          EXPECT_EQ(Describe(p), Parse(record)) << record;
        }
      }
    }
  }
}

TEST(PresetRecordParse, TwoDigitDelayElevenKeepsTheFlags) {
  EXPECT_EQ("A|3|00:20:00|4|11|1|1", Parse("A,3,00:20:0041111"));
  EXPECT_EQ("A|3|00:20:00|4|10|0|1", Parse("A,3,00:20:0041001"));
  EXPECT_EQ("A|3|00:20:00|4|1|1|1", Parse("A,3,00:20:004111"));
  EXPECT_EQ("B|0|00:20:00|2|11|0|1|00:05:00", Parse("B,0,00:20:0021101"
                                                    "00:05:00"));
  EXPECT_EQ("B|0|00:20:00|2|1|1|0|00:05:00", Parse("B,0,00:20:002110"
                                                   "00:05:00"));
}

TEST(PresetRecordParse, HundredBellTimesWithASixtyFourByteNameRoundTrip) {
  // 32 double-byte characters: the longest name, and the longest record.
  std::string name;
  for (int i = 0; i < 32; ++i) name += "表";
  ASSERT_EQ(64u, name.size());
  std::vector<std::string> times;
  for (int i = kPresetMaxBellTimes; i > 0; --i) times.push_back(Time(i));
  TimerPreset p;
  Fill(&p, name.c_str(), 999, "23:59:59", timer::kBells, 11, 1, 1, times);
  const std::string record = Format(p);
  EXPECT_EQ(static_cast<size_t>(kPresetRecordMaxLength), record.size());
  EXPECT_GT(record.size(), 879u);  // longer than a reader limited to 879 would see
  TimerPreset back;
  ASSERT_TRUE(ParsePresetRecord(record.c_str(), &back));
  EXPECT_EQ(Describe(p), Describe(back));
  EXPECT_EQ(static_cast<size_t>(kPresetMaxBellTimes), back.bellTimes.size());
}

TEST(PresetRecordParse, AnIncompleteLastBellPieceIsDropped) {
  EXPECT_EQ("T|0|00:10:00|2|0|1|0|00:05:00", Parse("T,0,00:10:002010"
                                                   "00:05:00"
                                                   "00:01:0"));
  EXPECT_EQ("T|0|00:10:00|2|0|1|0|00:05:00", Parse("T,0,00:10:002010"
                                                   "00:05:00"
                                                   "0"));
  // Cut short, a two-digit delay is still told from a one-digit one.
  EXPECT_EQ("T|0|00:10:00|2|11|1|0|00:05:00", Parse("T,0,00:10:0021110"
                                                    "00:05:00"
                                                    "00:01:0"));
  EXPECT_EQ("T|0|00:10:00|2|1|1|1|00:05:00", Parse("T,0,00:10:002111"
                                                   "00:05:00"
                                                   "00:01:0"));
  EXPECT_EQ("T|0|00:10:00|2|10|1|1", Parse("T,0,00:10:0021011"
                                           "00:0"));
  EXPECT_EQ("T|0|00:10:00|2|1|0|1", Parse("T,0,00:10:002101"
                                          "00:0"));
}

TEST(PresetRecordParse, BellPiecesBeyondTheListLimitAreIgnored) {
  std::string record = "T,0,00:10:002010";
  for (int i = 0; i < kPresetMaxBellTimes + 3; ++i) record += Time(i);
  TimerPreset p;
  ASSERT_TRUE(ParsePresetRecord(record.c_str(), &p));
  ASSERT_EQ(static_cast<size_t>(kPresetMaxBellTimes), p.bellTimes.size());
  EXPECT_EQ(Time(kPresetMaxBellTimes - 1), p.bellTimes.back());
}

TEST(PresetRecordParse, RecordsWithoutTwoCommasOrWithABadNameAreRefused) {
  EXPECT_EQ("<refused>", Parse(""));  // a missing key reads as empty
  EXPECT_EQ("<refused>", Parse("Tea"));
  EXPECT_EQ("<refused>", Parse("Tea,0"));
  EXPECT_EQ("<refused>", Parse("Tea00:03:000010"));
  EXPECT_EQ("<refused>", Parse(",0,00:03:000010"));
  EXPECT_EQ("<refused>", Parse(std::string(65, 'n') + ",0,00:03:000010"));
  EXPECT_EQ(std::string(64, 'n') + "|0|00:03:00|0|0|1|0",
            Parse(std::string(64, 'n') + ",0,00:03:000010"));
  // A comma typed into the name shifts every field: refused, not misread.
  EXPECT_EQ("<refused>", Parse("a,b,0,00:03:000010"));
}

TEST(PresetRecordParse, BadRepeatPositionsAreRefused) {
  EXPECT_EQ("<refused>", Parse("T,,00:03:000010"));
  EXPECT_EQ("<refused>", Parse("T,x,00:03:000010"));
  EXPECT_EQ("<refused>", Parse("T,-1,00:03:000010"));
  EXPECT_EQ("<refused>", Parse("T,1000,00:03:000010"));
  EXPECT_EQ("<refused>", Parse("T,99999999999,00:03:000010"));
  EXPECT_EQ("T|999|00:03:00|1|0|1|0", Parse("T,999,00:03:001010"));
}

TEST(PresetRecordParse, BadTimeTextsAndModesAreRefused) {
  EXPECT_EQ("<refused>", Parse("T,0,"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:0"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:00"));  // no mode digit
  EXPECT_EQ("<refused>", Parse("T,0,0:03:0000010"));
  EXPECT_EQ("<refused>", Parse("T,0,00-03-000010"));
  EXPECT_EQ("<refused>", Parse("T,0,0a:03:000010"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:00x010"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:005010"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:009010"));
}

TEST(PresetRecordParse, BadDelaysFlagsAndTailsAreRefused) {
  EXPECT_EQ("<refused>", Parse("T,0,00:03:000"));       // nothing after the mode
  EXPECT_EQ("<refused>", Parse("T,0,00:03:0001"));      // one flag missing
  EXPECT_EQ("<refused>", Parse("T,0,00:03:00001"));     // delay or a flag missing
  EXPECT_EQ("<refused>", Parse("T,0,00:03:000x10"));    // delay not a digit
  EXPECT_EQ("<refused>", Parse("T,0,00:03:0001210"));   // 12 is no position
  EXPECT_EQ("<refused>", Parse("T,0,00:03:0000910"));   // leading zero: not written so
  EXPECT_EQ("<refused>", Parse("T,0,00:03:000020"));    // flag 2
  EXPECT_EQ("<refused>", Parse("T,0,00:03:000012"));    // flag 2
  EXPECT_EQ("<refused>", Parse("T,0,00:03:00001000"));  // a tail on a Normal record
  EXPECT_EQ("<refused>", Parse("T,0,00:03:00001000:01:00"));
  EXPECT_EQ("<refused>", Parse("T,0,00:03:0020"));            // Bells without flags
  EXPECT_EQ("<refused>", Parse("T,0,00:03:002010ab:cd:ef"));  // a bell piece that is no time
  EXPECT_EQ("T|0|00:03:00|2|0|1|0", Parse("T,0,00:03:002010"));
}

TEST(PresetRecordParse, AReusedPresetForgetsItsEarlierBellTimes) {
  TimerPreset p;
  ASSERT_TRUE(ParsePresetRecord("T,0,00:10:00201000:05:00", &p));
  ASSERT_EQ(1u, p.bellTimes.size());
  ASSERT_TRUE(ParsePresetRecord("U,0,00:10:000010", &p));
  EXPECT_TRUE(p.bellTimes.empty());
  ASSERT_TRUE(ParsePresetRecord("T,0,00:10:00201000:05:00", &p));
  EXPECT_FALSE(ParsePresetRecord("T,0,00:10:00201000:05:00xx:xx:xx", &p));
  EXPECT_TRUE(p.bellTimes.empty());
}

std::string Copied(const char* typed) {
  char out[kPresetNameMaxBytes + 1];
  std::memset(out, 'x', sizeof out);
  CopyPresetName(typed, out, sizeof out);
  return out;
}

TEST(PresetName, LongNamesAreCutAtSixtyFourBytesOnACharacterBoundary) {
  EXPECT_EQ(std::string(64, 'a'), Copied(std::string(80, 'a').c_str()));
  std::string jp;
  for (int i = 0; i < 40; ++i) jp += "表";
  std::string expected;
  for (int i = 0; i < 32; ++i) expected += "表";
  EXPECT_EQ(expected, Copied(jp.c_str()));
  // One single-byte character first: the 33rd double-byte one would need
  // bytes 64 and 65, so it is left out whole.
  EXPECT_EQ("a" + expected.substr(0, 62), Copied(("a" + jp).c_str()));
  EXPECT_EQ("Tea", Copied("Tea"));
  EXPECT_EQ("", Copied(""));

  char tiny[4];
  CopyPresetName("表表", tiny, sizeof tiny);
  EXPECT_STREQ("表", tiny);
}

TEST(PresetName, EmptyNamesAndNamesWithACommaAreRefused) {
  EXPECT_EQ(PresetNameCheck::Empty, CheckPresetName(""));
  EXPECT_EQ(PresetNameCheck::HasComma, CheckPresetName("a,b"));
  EXPECT_EQ(PresetNameCheck::HasComma, CheckPresetName(","));
  EXPECT_EQ(PresetNameCheck::Ok, CheckPresetName("お茶"));
  EXPECT_EQ(PresetNameCheck::Ok, CheckPresetName("a，b"));  // a full-width comma is fine
}

}  // namespace
