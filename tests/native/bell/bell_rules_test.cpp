#include "bell/bell_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/path_rules.h"

namespace {

TEST(BellDeviceType, FollowsTheExtensionWithoutRegardToCase) {
  EXPECT_STREQ("sequencer", BellDeviceType("D:\\snd\\Bell.MID"));
  EXPECT_STREQ("sequencer", BellDeviceType("x.mid"));
  EXPECT_STREQ("MPEGVideo", BellDeviceType("alarm.Mp3"));
  EXPECT_STREQ("MPEGVideo", BellDeviceType("x.wma"));
  EXPECT_STREQ("MPEGVideo", BellDeviceType("C:\\a\\X.WMA"));
  EXPECT_STREQ("waveaudio", BellDeviceType("bell.wav"));
  EXPECT_STREQ("waveaudio", BellDeviceType("bell"));
  EXPECT_STREQ("waveaudio", BellDeviceType(""));
}

TEST(BellDeviceType, OnlyTheLastExtensionOfTheFileNameCounts) {
  EXPECT_STREQ("waveaudio", BellDeviceType("C:\\songs.mid\\bell"));
  EXPECT_STREQ("waveaudio", BellDeviceType("bell.mid.wav"));
  EXPECT_STREQ("sequencer", BellDeviceType("bell.wav.mid"));
  EXPECT_STREQ("waveaudio", BellDeviceType("bell.midi"));
  EXPECT_STREQ("waveaudio", BellDeviceType("bell.mi"));
}

std::string Element(const char* path, const char* dir) {
  char out[kPathBufferSize];
  std::memset(out, 'x', sizeof out);
  if (!BellElementName(path, dir, out, sizeof out)) {
    EXPECT_STREQ("", out);
    return "<fail>";
  }
  return out;
}

TEST(BellElementName, APathWithADriveIsTakenAsItIs) {
  EXPECT_EQ("D:\\snd\\Bell.MID", Element("D:\\snd\\Bell.MID", "C:\\work"));
  EXPECT_EQ("d:bell.wav", Element("d:bell.wav", "C:\\work"));
}

TEST(BellElementName, ARelativePathJoinsTheCurrentDirectoryWithOneBackslash) {
  EXPECT_EQ("C:\\work\\bell.wav", Element("bell.wav", "C:\\work"));
  EXPECT_EQ("C:\\work\\bell.wav", Element("\\bell.wav", "C:\\work"));
  EXPECT_EQ("C:\\work\\bell.wav", Element("bell.wav", "C:\\work\\"));
  EXPECT_EQ("C:\\work\\bell.wav", Element("\\bell.wav", "C:\\work\\"));
  EXPECT_EQ("C:\\bell.wav", Element("bell.wav", "C:\\"));
  EXPECT_EQ("C:\\work\\snd\\bell.wav", Element("snd\\bell.wav", "C:\\work"));
}

TEST(BellElementName, ACurrentDirectoryEndingInATrailByte0x5CKeepsIt) {
  // "C:\ソ" ends with 83 5C; that 5C is part of the character, not a separator.
  EXPECT_EQ("C:\\ソ\\bell.wav", Element("bell.wav", "C:\\ソ"));
}

TEST(BellElementName, ANetworkPathIsNotMadeRelative) {
  EXPECT_EQ("\\\\server\\share\\bell.wav", Element("\\\\server\\share\\bell.wav", "C:\\work"));
}

TEST(BellElementName, AResultThatWouldNotFitFailsInsteadOfBeingCut) {
  const std::string dir = "C:\\" + std::string(246, 'd');               // 249 characters
  EXPECT_EQ(dir + "\\bell.wav", Element("bell.wav", dir.c_str()));      // 258
  EXPECT_EQ(dir + "\\bell1.wav", Element("bell1.wav", dir.c_str()));    // 259
  EXPECT_EQ(dir + "\\bell12.wav", Element("bell12.wav", dir.c_str()));  // 260
  EXPECT_EQ("<fail>", Element("bell123.wav", dir.c_str()));             // 261
  const std::string longPath = "C:\\" + std::string(258, 'p');          // 261
  EXPECT_EQ("<fail>", Element(longPath.c_str(), "C:\\work"));

  char small[16];
  EXPECT_FALSE(BellElementName("bell.wav", "C:\\work", small, sizeof small));
  EXPECT_STREQ("", small);
}

TEST(BellElementName, AnEmptyPathNamesNoFile) {
  EXPECT_EQ("<fail>", Element("", "C:\\work"));
  EXPECT_EQ("<fail>", Element(nullptr, "C:\\work"));
}

}  // namespace
