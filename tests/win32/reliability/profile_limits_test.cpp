// The profile access every page goes through, at the edges of its buffers.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/settings_file_win32.h"
#include "win32_test_support.h"

using testing_support::ReadKey;
using testing_support::UseFreshSettings;

TEST(ProfileLimits, TheWidestIntegersAreWrittenWhole) {
  UseFreshSettings("rel-profile-ints");
  testing_support::TestSettings().WriteInt("Watch", "Low", INT_MIN);
  testing_support::TestSettings().WriteInt("Watch", "High", INT_MAX);
  EXPECT_EQ(ReadKey("Watch", "Low"), "-2147483648");
  EXPECT_EQ(ReadKey("Watch", "High"), "2147483647");
  EXPECT_EQ(testing_support::TestSettings().ReadInt("Watch", "Low", 5), INT_MIN);
}

TEST(ProfileLimits, AValueLongerThanTheBufferIsCutInsideItAndTerminated) {
  UseFreshSettings("rel-profile-strings");
  const std::string stored(300, 'v');
  testing_support::TestSettings().WriteString("SettingData", "BellFile", stored.c_str());
  // A buffer of 260 with guard bytes behind it.
  std::string room(260 + 16, '\xA5');
  testing_support::TestSettings().ReadString("SettingData", "BellFile", "", &room[0], 260);
  EXPECT_EQ(std::string(room.c_str()), stored.substr(0, 259));
  EXPECT_EQ(room.substr(260), std::string(16, '\xA5'));
  // Exactly as long as the buffer allows: kept whole.
  testing_support::TestSettings().WriteString("SettingData", "BellFile",
                                              stored.substr(0, 259).c_str());
  std::string exact(260, '\0');
  testing_support::TestSettings().ReadString("SettingData", "BellFile", "", &exact[0], 260);
  EXPECT_EQ(std::string(exact.c_str()), stored.substr(0, 259));
}
