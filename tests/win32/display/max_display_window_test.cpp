#include "display/max_display_window_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/messages.h"
#include "display/max_display_ids.h"
#include "display/monitors_win32.h"
#include "display_test_helpers.h"
#include "support/fakes_win32.h"
#include "win32_test_support.h"

using display_test::Instance;
using display_test::Sink;
using testing_support::PumpMessages;
using testing_support::ReadFileBytes;
using testing_support::UseFreshSettings;
using testing_support::WindowText;

namespace {

const int kWidth = 640;
const int kHeight = 480;

class MaxDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = UseFreshSettings(std::string("maxdisplay_") + info->name());
  }

  HWND CreateFor(MaxDisplayWindow& display, HWND owner) {
    return display.Create(Instance(), owner, owner, WS_POPUP, 0, 0, kWidth, kHeight, "font3");
  }

  static RECT ChildPlace(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  static bool Visible(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }

  std::string folder_;
};

TEST_F(MaxDisplayTest, LabelColoursOnlyTheNoticeLabel) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateFor(display, owner.Window()), nullptr);
  HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, display.Window(),
                               reinterpret_cast<HMENU>(6003), Instance(), nullptr);
  display.SetLabelColor(RGB(255, 0, 0));
  HDC dc = CreateCompatibleDC(nullptr);
  const LRESULT brush =
      SendMessageA(display.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(display.LabelWindow()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(SendMessageA(display.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(other)),
            0);
  DeleteDC(dc);
}

TEST_F(MaxDisplayTest, ControlsAreCreatedHiddenWithTheirTextsIdsAndPlaces) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = CreateFor(display, owner.Window());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);

  struct Expected {
    int id;
    const char* text;
    RECT place;
  };
  const Expected controls[] = {
      {IDC_MAXDISP_LABEL, "", {kWidth - 270, 2, kWidth, 68}},
      {IDC_MAXDISP_START, "スタート", {0, 2, 100, 68}},
      {IDC_MAXDISP_CLOSE, "閉じる", {100, 2, 200, 68}},
  };
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.id);
    HWND control = GetDlgItem(window, c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(WindowText(control), c.text);
    EXPECT_FALSE(Visible(control));
    const RECT place = ChildPlace(window, control);
    EXPECT_TRUE(EqualRect(&place, &c.place));
  }
  EXPECT_EQ(GetDlgItem(window, IDC_MAXDISP_LABEL), display.LabelWindow());
  EXPECT_EQ(GetDlgItem(window, IDC_MAXDISP_START), display.StartButton());
  EXPECT_EQ(GetDlgItem(window, IDC_MAXDISP_CLOSE), display.CloseButton());

  // The label speaks in a bold 24-point Gothic.
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(display.LabelWindow(), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA logFont = {};
  GetObjectA(font, sizeof logFont, &logFont);
  EXPECT_EQ(logFont.lfHeight, -MulDiv(24, display_test::ScreenPixelsPerInch(), 72));
  EXPECT_EQ(logFont.lfWeight, 600);
  EXPECT_EQ(logFont.lfCharSet, 128);
  EXPECT_STREQ(logFont.lfFaceName, "ＭＳ Ｐゴシック");
}

TEST_F(MaxDisplayTest, SecondCreateShowsTheSameDisplayWithoutNewControls) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = CreateFor(display, owner.Window());
  ASSERT_NE(window, nullptr);
  HWND label = display.LabelWindow();
  EXPECT_EQ(CreateFor(display, owner.Window()), window);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(display.LabelWindow(), label);
  int children = 0;
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(children, 3);
}

TEST_F(MaxDisplayTest, OnlyEnterEscAndSpaceAskTheOwnerToHideAndNoKeyGoesFurther) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = CreateFor(display, owner.Window());
  ASSERT_NE(window, nullptr);
  owner.Take();
  const WPARAM asking[] = {VK_RETURN, VK_ESCAPE, VK_SPACE};
  for (WPARAM key : asking) {
    SCOPED_TRACE(key);
    EXPECT_EQ(SendMessageA(window, WM_KEYDOWN, key, 0), 0);
    EXPECT_EQ(owner.Take(), std::vector<UINT>{WM_MIPO_MAXDISPLAY_KEY});
  }
  const WPARAM silent[] = {'A', '0', VK_TAB, VK_F1, VK_BACK, VK_UP, VK_F10};
  for (WPARAM key : silent) {
    SCOPED_TRACE(key);
    EXPECT_EQ(SendMessageA(window, WM_KEYDOWN, key, 0), 0);
    EXPECT_TRUE(owner.Take().empty());
  }
  EXPECT_EQ(WM_MIPO_MAXDISPLAY_KEY, WM_USER + 500);
}

TEST_F(MaxDisplayTest, ButtonClicksArePostedToTheOwnerAsTheirIds) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = CreateFor(display, owner.Window());
  ASSERT_NE(window, nullptr);
  display.Show(SW_SHOW);
  display.ShowControls(SW_SHOW);
  PumpMessages();
  owner.Take();

  SendMessageA(display.StartButton(), BM_CLICK, 0, 0);
  EXPECT_EQ(owner.Take(), std::vector<UINT>{6001});
  SendMessageA(display.CloseButton(), BM_CLICK, 0, 0);
  EXPECT_EQ(owner.Take(), std::vector<UINT>{6002});

  // Other notifications of the same buttons, and other ids, ask nothing.
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAXDISP_START, BN_SETFOCUS),
               reinterpret_cast<LPARAM>(display.StartButton()));
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAXDISP_LABEL, BN_CLICKED), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(1027, BN_CLICKED), 0);
  EXPECT_TRUE(owner.Take().empty());
}

TEST_F(MaxDisplayTest, ShowControlsShowLabelAndSetLabelTextDriveVisibility) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  ASSERT_NE(CreateFor(display, owner.Window()), nullptr);
  display.ShowControls(SW_SHOW);
  EXPECT_TRUE(Visible(display.LabelWindow()));
  EXPECT_TRUE(Visible(display.StartButton()));
  EXPECT_TRUE(Visible(display.CloseButton()));
  display.ShowControls(SW_HIDE);
  EXPECT_FALSE(Visible(display.LabelWindow()));
  EXPECT_FALSE(Visible(display.StartButton()));
  EXPECT_FALSE(Visible(display.CloseButton()));

  display.ShowLabel(SW_SHOW);
  EXPECT_TRUE(Visible(display.LabelWindow()));
  EXPECT_FALSE(Visible(display.StartButton()));
  display.ShowControls(SW_HIDE);

  display.SetLabelText("通知 2");
  EXPECT_TRUE(Visible(display.LabelWindow()));
  EXPECT_EQ(WindowText(display.LabelWindow()), "通知 2");
  display.ShowControls(SW_HIDE);
  display.SetLabelText("");
  EXPECT_TRUE(Visible(display.LabelWindow()));
  EXPECT_EQ(WindowText(display.LabelWindow()), "");
  EXPECT_FALSE(Visible(display.CloseButton()));
}

TEST_F(MaxDisplayTest, LeftClickTakesTheKeyboardBackFromAButton) {
  Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = CreateFor(display, owner.Window());
  ASSERT_NE(window, nullptr);
  display.Show(SW_SHOW);
  display.ShowControls(SW_SHOW);
  PumpMessages();
  SetFocus(display.StartButton());
  ASSERT_EQ(GetFocus(), display.StartButton());
  EXPECT_EQ(SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300)), 0);
  EXPECT_EQ(GetFocus(), window);
}

TEST_F(MaxDisplayTest, DisplayDyingWithItsOwnerForgetsItsControlsAndWritesFont3) {
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  {
    Sink owner;
    ASSERT_NE(CreateFor(display, owner.Window()), nullptr);
    display.ShowText("00:10:00");
  }
  EXPECT_EQ(display.Window(), nullptr);
  EXPECT_EQ(display.LabelWindow(), nullptr);
  EXPECT_EQ(display.StartButton(), nullptr);
  EXPECT_EQ(display.CloseButton(), nullptr);
  display.ShowControls(SW_SHOW);
  display.SetLabelText("x");
  const std::string saved = ReadFileBytes(folder_ + "\\font3");
  ASSERT_EQ(saved.size(), 64u);
  EXPECT_EQ(static_cast<unsigned char>(saved[23]), 128);
}

TEST_F(MaxDisplayTest, DestructorRemovesDisplayAndControls) {
  Sink owner;
  HWND window = nullptr;
  HWND label = nullptr;
  {
    MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
    window = CreateFor(display, owner.Window());
    ASSERT_NE(window, nullptr);
    label = display.LabelWindow();
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(label));
  bool exists = false;
  ReadFileBytes(folder_ + "\\font3", &exists);
  EXPECT_TRUE(exists);
}

}  // namespace

namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

// Two monitors side by side: the full screen goes where the window is.
TEST(SystemMonitorsTest, AWindowOnTheSecondMonitorGetsTheSecondMonitorsArea) {
  fakes::DisplayMonitors screens;
  const RECT primary = {0, 0, 1024, 768};
  const RECT second = {1024, -100, 2304, 924};
  screens.areas = {primary, second};
  SystemMonitors lookup(screens);
  testing_support::TestParentWindow window(300, 200);
  SetWindowPos(window.Window(), nullptr, 1200, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameRect(second, lookup.AreaOf(window.Window())));
  SetWindowPos(window.Window(), nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameRect(primary, lookup.AreaOf(window.Window())));
}

}  // namespace
