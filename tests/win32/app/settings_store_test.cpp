#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/file_helper_win32.h"
#include "settings/settings_file_win32.h"
#include "win32_test_support.h"

using namespace testing_support;

namespace {

TEST(FolderCreation, DoubleByteNamesEndingInBackslashBytesMakeOneLevel) {
  const std::string root = UseFreshSettings("folders");
  const std::string name = "表示ソ";  // every character here ends in 0x5C
  const std::string deep = root + "\\" + name + "\\sub";
  FileHelper helper;
  ASSERT_TRUE(helper.CreateFolderPath(deep.c_str(), true));
  EXPECT_NE(GetFileAttributesA((root + "\\" + name).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA(deep.c_str()), INVALID_FILE_ATTRIBUTES);
  // Exactly one folder was made at the first level: no cut at a trail byte.
  int entries = 0;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((root + "\\*").c_str(), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    const std::string entry = data.cFileName;
    if (entry != "." && entry != "..") {
      ++entries;
      EXPECT_EQ(entry, name);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  EXPECT_EQ(entries, 1);

  char asFolder[MAX_PATH];
  snprintf(asFolder, sizeof(asFolder), "%s\\%s\\", root.c_str(), name.c_str());
  EXPECT_TRUE(helper.PathExists(asFolder, true));
  EXPECT_EQ(std::string(asFolder), root + "\\" + name);  // the trailing backslash went
}

TEST(FolderCreation, FileStandingInTheWayFails) {
  const std::string root = UseFreshSettings("blocked");
  WriteFileBytes(root + "\\taken", "x");
  FileHelper helper;
  EXPECT_FALSE(helper.CreateFolderPath((root + "\\taken\\inner").c_str(), true));
  char path[MAX_PATH];
  snprintf(path, sizeof(path), "%s\\taken", root.c_str());
  EXPECT_TRUE(helper.PathExists(path, false));
  EXPECT_FALSE(helper.PathExists(path, true));
  EXPECT_TRUE(helper.CreateFolderPath((root + "\\made\\file.txt").c_str(), false));
  EXPECT_NE(GetFileAttributesA((root + "\\made").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((root + "\\made\\file.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SettingsFileTest, MissingFileGivesDefaultsAndHandEditedTextReadsAsZero) {
  const SettingsFile settings(UseFreshSettings("profile") + "\\Data.ini");
  EXPECT_EQ(settings.ReadInt("MainDlg", "FirstFlag", 1), 1);
  char text[16];
  settings.ReadString("SettingData", "BellFile", "", text, sizeof(text));
  EXPECT_STREQ(text, "");
  settings.WriteString("Watch", "WatchMode", "abc");
  EXPECT_EQ(settings.ReadInt("Watch", "WatchMode", 7), 0);
  settings.WriteInt("Watch", "WatchAccuracy", -5);
  EXPECT_EQ(ReadKey("Watch", "WatchAccuracy"), "-5");
  // A long value is cut to the buffer, never past it.
  settings.WriteString("SettingData", "BellFile", "0123456789abcdefghij");
  char small[8];
  settings.ReadString("SettingData", "BellFile", "", small, sizeof(small));
  EXPECT_EQ(std::string(small).size(), 7u);
}

// No location (empty) and one past 260 characters are the same: defaults are
// read, nothing is written, and no file appears at a cut path.
TEST(SettingsFileTest, UnusableLocationRunsOnDefaultsAndWritesNothing) {
  const std::string folder = UseFreshSettings("no-location");
  const std::string tooLong = folder + "\\" + std::string(261 - folder.size(), 'a');
  for (const std::string& path : {std::string(), tooLong}) {
    const SettingsFile settings(path);
    EXPECT_FALSE(settings.Usable());
    EXPECT_STREQ(settings.Path(), "");
    settings.WriteString("MainDlg", "FirstFlag", "0");
    EXPECT_EQ(settings.ReadInt("MainDlg", "FirstFlag", 1), 1);
    char text[8] = "x";
    settings.ReadString("SettingData", "BellFile", "def", text, sizeof(text));
    EXPECT_STREQ(text, "def");
    EXPECT_TRUE(settings.ReadKeyNames("Timer").empty());
  }
  EXPECT_EQ(ReadKey("MainDlg", "FirstFlag"), "<missing>");
  EXPECT_EQ(GetFileAttributesA(tooLong.substr(0, 260).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
