// The profile access every page goes through, at the edges of its buffers.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/profile_win32.h"
#include "win32_test_support.h"

using testing_support::ReadKey;
using testing_support::UseFreshSettings;

TEST(ProfileLimits, TheWidestIntegersAreWrittenWhole) {
  UseFreshSettings("rel-profile-ints");
  ProfileWriteInt("Watch", "Low", INT_MIN);
  ProfileWriteInt("Watch", "High", INT_MAX);
  EXPECT_EQ(ReadKey("Watch", "Low"), "-2147483648");
  EXPECT_EQ(ReadKey("Watch", "High"), "2147483647");
  EXPECT_EQ(ProfileReadInt("Watch", "Low", 5), INT_MIN);
}

TEST(ProfileLimits, AValueLongerThanTheBufferIsCutInsideItAndTerminated) {
  UseFreshSettings("rel-profile-strings");
  const std::string stored(300, 'v');
  ProfileWriteString("SettingData", "BellFile", stored.c_str());
  // A buffer of 260 with guard bytes behind it.
  std::string room(260 + 16, '\xA5');
  ProfileReadString("SettingData", "BellFile", "", &room[0], 260);
  EXPECT_EQ(std::string(room.c_str()), stored.substr(0, 259));
  EXPECT_EQ(room.substr(260), std::string(16, '\xA5'));
  // Exactly as long as the buffer allows: kept whole.
  ProfileWriteString("SettingData", "BellFile", stored.substr(0, 259).c_str());
  std::string exact(260, '\0');
  ProfileReadString("SettingData", "BellFile", "", &exact[0], 260);
  EXPECT_EQ(std::string(exact.c_str()), stored.substr(0, 259));
}
