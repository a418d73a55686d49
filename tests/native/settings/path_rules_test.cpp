#include "settings/path_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 表 and ソ end in 0x5C in cp932: a plain byte search would take them for separators.
const std::string kHyou = "表";  // 95 5C
const std::string kSo = "ソ";    // 83 5C

TEST(Cp932Paths, TrailByteBackslashIsNotASeparator) {
  ASSERT_EQ(kHyou.size(), 2u);
  ASSERT_EQ(static_cast<unsigned char>(kHyou[1]), 0x5C);
  const std::string path = "C:\\" + kHyou + "\\" + kSo;
  EXPECT_EQ(FindLastSeparator(path), 2u + 2u + 1u);
  EXPECT_EQ(FolderOf(path), "C:\\" + kHyou);
  EXPECT_EQ(FindLastSeparator(kHyou + kSo), std::string::npos);
}

TEST(Cp932Paths, SplitKeepsDoubleByteNamesWhole) {
  const PathParts p = SplitPath("D:\\snd\\" + kHyou + "\\" + kSo + ".MID");
  EXPECT_EQ(p.drive, "D:");
  EXPECT_EQ(p.dir, "\\snd\\" + kHyou + "\\");
  EXPECT_EQ(p.name, kSo);
  EXPECT_EQ(p.ext, ".MID");

  const PathParts plain = SplitPath("bell");
  EXPECT_EQ(plain.drive, "");
  EXPECT_EQ(plain.dir, "");
  EXPECT_EQ(plain.name, "bell");
  EXPECT_EQ(plain.ext, "");

  // The extension is taken from the file name only, never from a folder.
  const PathParts dotted = SplitPath("C:\\a.b\\name");
  EXPECT_EQ(dotted.name, "name");
  EXPECT_EQ(dotted.ext, "");
}

TEST(Cp932Paths, TrailingBackslashRemovedOnlyWhenItIsACharacter) {
  std::string folder = "C:\\data\\";
  EXPECT_TRUE(RemoveTrailingBackslash(&folder));
  EXPECT_EQ(folder, "C:\\data");
  EXPECT_FALSE(RemoveTrailingBackslash(&folder));

  std::string endsInHyou = "C:\\" + kHyou;  // last byte is 0x5C but belongs to 表
  EXPECT_FALSE(RemoveTrailingBackslash(&endsInHyou));
  EXPECT_EQ(endsInHyou, "C:\\" + kHyou);
}

TEST(Cp932Paths, FolderLevelsWalkWholeCharacters) {
  const std::vector<std::string> levels = FolderLevels("C:\\" + kHyou + kSo + "\\x");
  ASSERT_EQ(levels.size(), 3u);
  EXPECT_EQ(levels[0], "C:");
  EXPECT_EQ(levels[1], "C:\\" + kHyou + kSo);
  EXPECT_EQ(levels[2], "C:\\" + kHyou + kSo + "\\x");

  EXPECT_EQ(FolderLevels("C:\\a\\").size(), 2u);
  EXPECT_TRUE(FolderLevels("").empty());
}

TEST(SettingsLocation, UserFolderBesideTheExecutable) {
  const SettingsLocation w = ComposeSettingsLocation("C:\\tools\\MipoWatch.exe", "taro");
  EXPECT_EQ(w.userFolder, "C:\\tools\\taro");
  EXPECT_EQ(w.iniPath, "C:\\tools\\taro\\Data.ini");

  const SettingsLocation dbcs = ComposeSettingsLocation("C:\\tools\\MipoWatch.exe", kHyou + kSo);
  EXPECT_EQ(dbcs.iniPath, "C:\\tools\\" + kHyou + kSo + "\\Data.ini");
}

TEST(SettingsLocation, UnnamedUsersShareTheFileBesideTheExecutable) {
  for (const char* name : {"", "unknown"}) {
    const SettingsLocation w = ComposeSettingsLocation("C:\\" + kHyou + "\\MipoWatch.exe", name);
    EXPECT_EQ(w.userFolder, "");
    EXPECT_EQ(w.iniPath, "C:\\" + kHyou + "\\Data.ini");
  }
  EXPECT_TRUE(IsUsableUserName("Unknown"));
}

TEST(SettingsLocation, OverlongPathsFallBackInsteadOfBeingCut) {
  const std::string folder = "C:\\" + std::string(240, 'a') + "\\";
  // Beside the executable fits (252 characters), the user folder does not.
  const SettingsLocation w =
      ComposeSettingsLocation(folder + "MipoWatch.exe", std::string(30, 'u'));
  EXPECT_EQ(w.userFolder, "");
  EXPECT_EQ(w.iniPath, folder + "Data.ini");

  const std::string deep = "C:\\" + std::string(300, 'b') + "\\MipoWatch.exe";
  const SettingsLocation none = ComposeSettingsLocation(deep, "taro");
  EXPECT_EQ(none.iniPath, "");

  // Exactly 260 characters still fits.
  const std::string edge = "C:\\" + std::string(260 - 3 - 9, 'c') + "\\MipoWatch.exe";
  EXPECT_EQ(ComposeSettingsLocation(edge, "").iniPath.size(), 260u);
}

TEST(BoundedCopy, RefusesWhatDoesNotFit) {
  char buffer[8];
  EXPECT_TRUE(CopyBounded(buffer, sizeof(buffer), "1234567"));
  EXPECT_STREQ(buffer, "1234567");
  EXPECT_FALSE(CopyBounded(buffer, sizeof(buffer), "12345678"));
  EXPECT_STREQ(buffer, "");
}

}  // namespace
