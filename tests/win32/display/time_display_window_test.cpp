#include "display/time_display_window_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "display_test_helpers.h"
#include "support/dialogs.h"
#include "win32_test_support.h"

using display_test::Capture;
using display_test::Instance;
using display_test::LogFont;
using display_test::Picture;
using display_test::RecordBytes;
using display_test::ZeroRecord;
using testing_support::PumpMessages;
using testing_support::ReadFileBytes;
using testing_support::TestParentWindow;
using testing_support::UseFreshSettings;
using testing_support::WriteFileBytes;

namespace {

const DWORD kChildStyle = WS_CHILD | WS_BORDER;

class TimeDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = UseFreshSettings(std::string("display_") + info->name());
  }

  std::string FontFile(const char* name) const { return folder_ + "\\" + name; }

  HWND CreateOn(TimeDisplayWindow& display, HWND parent, const char* fontName = "font1") {
    return display.Create(Instance(), parent, kChildStyle, 1, 3, 232, 30, fontName);
  }

  std::string folder_;
};

TEST_F(TimeDisplayTest, WithoutFontFileUsesTheDefaultAndWritesItAtDestroy) {
  TestParentWindow parent;
  {
    TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
    EXPECT_EQ(std::string(display.FontFilePath()), FontFile("font1"));
    EXPECT_EQ(RecordBytes(display.Record()), RecordBytes(display::DefaultFontRecord(
                                                 "font1", display_test::ScreenPixelsPerInch())));
    bool exists = true;
    ReadFileBytes(FontFile("font1"), &exists);
    EXPECT_FALSE(exists) << "the font file is written only when the window goes";
  }
  bool exists = false;
  const std::string bytes = ReadFileBytes(FontFile("font1"), &exists);
  ASSERT_TRUE(exists);
  EXPECT_EQ(bytes,
            RecordBytes(display::DefaultFontRecord("font1", display_test::ScreenPixelsPerInch())));
}

TEST_F(TimeDisplayTest, FullScreenFontFileDefaultsTo170Points) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(display.Create(Instance(), parent.Window(), WS_POPUP, 0, 0, 320, 200, "font3"),
            nullptr);
  EXPECT_EQ(display.Record().logFont.height, -MulDiv(170, display_test::ScreenPixelsPerInch(), 72));
}

TEST_F(TimeDisplayTest, SecondCreateOnlyShowsTheWindowAndReadsNoFile) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND first = CreateOn(display, parent.Window());
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(IsWindowVisible(first));
  const std::string before = RecordBytes(display.Record());

  display::FontRecord other = ZeroRecord();
  other.logFont.height = -50;
  other.textColor = 0xFF;
  WriteFileBytes(FontFile("font1"), RecordBytes(other));
  RECT placed;
  GetWindowRect(first, &placed);

  EXPECT_EQ(display.Create(Instance(), parent.Window(), kChildStyle, 50, 50, 10, 10, "font2"),
            first);
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(display.IsVisible(), 1);
  EXPECT_EQ(RecordBytes(display.Record()), before);
  EXPECT_EQ(std::string(display.FontFilePath()), FontFile("font1"));
  RECT now;
  GetWindowRect(first, &now);
  EXPECT_TRUE(EqualRect(&placed, &now));
}

TEST_F(TimeDisplayTest, EmptyFontFileCountsAsReadAndGivesAZeroRecord) {
  WriteFileBytes(FontFile("font2"), "");
  TestParentWindow parent;
  {
    TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    ASSERT_NE(CreateOn(display, parent.Window(), "font2"), nullptr);
    EXPECT_EQ(RecordBytes(display.Record()), std::string(64, '\0'));
  }
  EXPECT_EQ(ReadFileBytes(FontFile("font2")), std::string(64, '\0'));
}

TEST_F(TimeDisplayTest, FontFileRecordIsUsedAndAnOverlongFileIsCutTo64Bytes) {
  display::FontRecord stored = ZeroRecord();
  stored.logFont.height = -40;
  stored.logFont.weight = 700;
  stored.logFont.charSet = 128;
  std::memcpy(stored.logFont.faceName, "Arial", 6);
  stored.textColor = RGB(0, 0, 255);
  WriteFileBytes(FontFile("font1"), RecordBytes(stored) + std::string(36, 'x'));
  TestParentWindow parent;
  {
    TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
    EXPECT_EQ(RecordBytes(display.Record()), RecordBytes(stored));
  }
  EXPECT_EQ(ReadFileBytes(FontFile("font1")), RecordBytes(stored));
}

TEST_F(TimeDisplayTest, UnterminatedFaceNameInTheFileIsCutNotOverread) {
  std::string bytes(64, '\0');
  for (int i = 28; i < 60; ++i) bytes[i] = 'Q';
  bytes[60] = 'Z';
  WriteFileBytes(FontFile("font1"), bytes);
  TestParentWindow parent;
  {
    TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
    EXPECT_EQ(std::string(display.Record().logFont.faceName), std::string(31, 'Q'));
    display.ShowText("12:34");
  }
  const std::string saved = ReadFileBytes(FontFile("font1"));
  ASSERT_EQ(saved.size(), 64u);
  EXPECT_EQ(saved[59], '\0');
  EXPECT_EQ(saved[60], 'Z');
}

TEST_F(TimeDisplayTest, ChosenFontAndRedAreDrawnAtOnceAndSavedAsExactly64Bytes) {
  WriteFileBytes(FontFile("font1"), std::string(200, '\x01'));  // longer file to be replaced
  TestParentWindow parent;
  {
    TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
    display.ApplyFontChoice(LogFont("Arial", -24, 400), RGB(0, 0, 0));
    display.Show(SW_SHOW);
    PumpMessages();
    display.ShowText("88:88:88");
    const Picture black = Capture(display.Window());
    EXPECT_GT(black.Dark(), 20);
    EXPECT_EQ(black.Red(), 0);

    display.ApplyFontChoice(LogFont("Arial", -24, 700), RGB(255, 0, 0));
    EXPECT_STREQ(display.Text(), "88:88:88");
    const Picture red = Capture(display.Window());
    EXPECT_GT(red.Red(), 20);
    EXPECT_EQ(red.Dark(), 0);
  }
  const std::string saved = ReadFileBytes(FontFile("font1"));
  ASSERT_EQ(saved.size(), 64u);
  EXPECT_EQ(saved.substr(60), std::string("\xFF\x00\x00\x00", 4));
  EXPECT_EQ(saved.substr(28, 6), std::string("Arial\0", 6));
  EXPECT_EQ(static_cast<unsigned char>(saved[16]), 700 & 0xFF);
}

TEST_F(TimeDisplayTest, ShowTextKeepsAtMost31BytesOfWholeCharacters) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
  display.ShowText(std::string(40, '9').c_str());
  EXPECT_EQ(std::string(display.Text()), std::string(31, '9'));
  display.ShowText((std::string(30, '1') + "表").c_str());
  EXPECT_EQ(std::string(display.Text()), std::string(30, '1'));
  display.ShowText((std::string(29, '1') + "表").c_str());
  EXPECT_EQ(std::string(display.Text()), std::string(29, '1') + "表");
  display.ShowText(nullptr);
  EXPECT_STREQ(display.Text(), "");
}

TEST_F(TimeDisplayTest, TextIsCentredAndNeverGrowsTheWindow) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(display.Create(Instance(), parent.Window(), kChildStyle, 1, 3, 232, 60, "f"), nullptr);
  display.ApplyFontChoice(LogFont("Arial", -20, 700), RGB(0, 0, 0));
  display.Show(SW_SHOW);
  PumpMessages();
  display.ShowText("88");
  const Picture picture = Capture(display.Window());
  int left = picture.width, right = -1, top = picture.height, bottom = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) == 0xFFFFFF)
        continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, 0);
  EXPECT_LE(std::abs(left - (picture.width - 1 - right)), 3);
  // Glyph cells carry more room above digits than below; allow for it.
  EXPECT_LE(std::abs(top - (picture.height - 1 - bottom)), 8);
  EXPECT_GT(top, 5);

  // A text wider than the window is clipped; the window never grows.
  RECT before;
  GetWindowRect(display.Window(), &before);
  display.ShowText("00:00:00.000 00:00:00.000 0000");
  RECT after;
  GetWindowRect(display.Window(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(TimeDisplayTest, AResizedDisplayDrawsTheWholeWindowAndCentresAgain) {
  // As the full-screen display does when it moves to a larger monitor.
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(display.Create(Instance(), parent.Window(), kChildStyle, 0, 0, 100, 40, "f"), nullptr);
  display.ApplyFontChoice(LogFont("Arial", -20, 700), RGB(0, 0, 0));
  display.Show(SW_SHOW);
  display.ShowText("88");
  SetWindowPos(display.Window(), nullptr, 0, 0, 300, 80, SWP_NOZORDER);
  PumpMessages();
  RedrawWindow(display.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const Picture picture = Capture(display.Window());
  ASSERT_GT(picture.width, 200);  // the client area inside the border
  EXPECT_EQ(picture.At(picture.width - 1, picture.height - 1), 0xFFFFFFu)
      << "the new part of the window is painted white";
  int left = picture.width, right = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) != 0xFFFFFF) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, 0);
  EXPECT_LE(std::abs(left - (picture.width - 1 - right)), 3) << "the time is centred anew";
}

TEST_F(TimeDisplayTest, UncoveredWindowIsRepaintedWithTheLastText) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
  display.Show(SW_SHOW);
  PumpMessages();
  display.ShowText("12:34:56");
  const Picture shown = Capture(display.Window());
  ASSERT_GT(shown.Dark(), 20);
  ASSERT_EQ(shown.At(0, 0), 0xFFFFFFu);

  // Something else draws over the window, as a covering window would.
  HDC dc = GetDC(display.Window());
  RECT client;
  GetClientRect(display.Window(), &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(display.Window(), dc);
  ASSERT_EQ(Capture(display.Window()).At(0, 0), 0u);

  InvalidateRect(display.Window(), nullptr, TRUE);
  UpdateWindow(display.Window());
  EXPECT_EQ(Capture(display.Window()).pixels, shown.pixels);
}

TEST_F(TimeDisplayTest, WindowDyingWithItsParentWritesTheFileOnceAndLeavesNoStaleHandle) {
  auto display = std::make_unique<TimeDisplayWindow>(testing_support::TestSettings(),
                                                     display_test::StillClock());
  {
    TestParentWindow parent;
    ASSERT_NE(CreateOn(*display, parent.Window()), nullptr);
    display->ApplyFontChoice(LogFont("Arial", -20, 400), RGB(0, 128, 0));
  }
  EXPECT_EQ(display->Window(), nullptr);
  EXPECT_EQ(display->IsVisible(), 0);
  display->ShowText("01:02");  // nothing to draw on, and no fault
  EXPECT_STREQ(display->Text(), "01:02");
  const std::string saved = ReadFileBytes(FontFile("font1"));
  ASSERT_EQ(saved.size(), 64u);
  EXPECT_EQ(saved.substr(60), std::string("\x00\x80\x00\x00", 4));

  DeleteFileA(FontFile("font1").c_str());
  display.reset();
  bool exists = true;
  ReadFileBytes(FontFile("font1"), &exists);
  EXPECT_FALSE(exists) << "the object's own end must not write a second time";
}

TEST_F(TimeDisplayTest, NeverCreatedDisplayWritesNoFile) {
  { TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock()); }
  bool exists = true;
  ReadFileBytes(FontFile("font1"), &exists);
  EXPECT_FALSE(exists);
}

// Right-clicks the display and answers the font dialog it opens with button.
bool RightClickAndAnswer(HWND display, int button) {
  // A dialog owned by a child window belongs to that child's top-level window.
  HWND root = GetAncestor(display, GA_ROOT);
  testing_support::ModalScript user({testing_support::WhenDialog(
      [root](HWND dialog) { return GetWindow(dialog, GW_OWNER) == root; },
      [button](HWND dialog) { testing_support::PostClick(dialog, button); })});
  SendMessageA(display, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
  return user.Done();
}

TEST_F(TimeDisplayTest, RightClickThenCancelChangesNothing) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
  display.Show(SW_SHOW);
  display.ShowText("00:00:10");
  PumpMessages();
  const std::string record = RecordBytes(display.Record());
  const Picture before = Capture(display.Window());
  ASSERT_TRUE(RightClickAndAnswer(display.Window(), IDCANCEL));
  PumpMessages();
  EXPECT_EQ(RecordBytes(display.Record()), record);
  EXPECT_EQ(Capture(display.Window()).pixels, before.pixels);
}

TEST_F(TimeDisplayTest, RightClickThenOkKeepsTheColourTheDialogWasOpenedWith) {
  TestParentWindow parent;
  TimeDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateOn(display, parent.Window()), nullptr);
  display.ApplyFontChoice(LogFont("Arial", -16, 400), RGB(255, 0, 0));
  display.Show(SW_SHOW);
  display.ShowText("00:00:10");
  PumpMessages();
  ASSERT_TRUE(RightClickAndAnswer(display.Window(), IDOK));
  PumpMessages();
  EXPECT_EQ(display.Record().textColor, static_cast<std::uint32_t>(RGB(255, 0, 0)));
  EXPECT_NE(display.Record().logFont.faceName[0], '\0');
  EXPECT_GT(Capture(display.Window()).Red(), 0);
}

}  // namespace
