// The full-screen display redraws the time straight onto its window at every
// tick; its notice label and its buttons lie on top of that picture and must
// survive those redraws.
#include "display/max_display_window_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "display/max_display_ids.h"
#include "display_test_helpers.h"
#include "win32_test_support.h"

using display_test::Capture;
using display_test::Instance;
using display_test::Picture;
using display_test::Sink;
using testing_support::PumpMessages;
using testing_support::UseFreshSettings;

namespace {

class MaxDisplayOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    UseFreshSettings(std::string("maxoverlay_") + info->name());
    window_ = display_.Create(Instance(), owner_.Window(), owner_.Window(), WS_POPUP, 0, 0, 640,
                              480, "font3");
    ASSERT_NE(window_, nullptr);
    display_.Show(SW_SHOW);
    PumpMessages();
  }

  // Ticks as the timer page gives them: a new text each time, with no chance
  // for the controls to repaint in between.
  void Tick(int times) {
    for (int i = 0; i < times; ++i) display_.ShowText(i % 2 == 0 ? "00:00:01" : "00:00:02");
  }

  Sink owner_;
  MaxDisplayWindow display_{testing_support::TestSettings(), display_test::StillClock()};
  HWND window_ = nullptr;
};

TEST_F(MaxDisplayOverlayTest, RedOverrunNoticeStaysVisibleWhileTheTimeIsRedrawn) {
  display_.SetLabelColor(RGB(255, 0, 0));
  display_.SetLabelText("超過中！");
  PumpMessages();
  HWND label = GetDlgItem(window_, IDC_MAXDISP_LABEL);
  ASSERT_NE(label, nullptr);
  ASSERT_GT(Capture(label).Red(), 20) << "the notice was never drawn";

  Tick(5);
  EXPECT_GT(Capture(label).Red(), 20) << "the time was drawn over the notice";
}

TEST_F(MaxDisplayOverlayTest, StartAndCloseButtonsKeepTheirFacesOverTheTime) {
  display_.ShowText("00:00:00");
  display_.ShowControls(SW_SHOW);
  PumpMessages();
  HWND start = GetDlgItem(window_, IDC_MAXDISP_START);
  ASSERT_NE(start, nullptr);
  const Picture before = Capture(start);
  ASSERT_GT(before.Dark(), 5) << "the caption was never drawn";

  // A covered and uncovered display repaints itself; the buttons must keep
  // their captions through that as well as through later ticks.
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
  Tick(3);
  const Picture after = Capture(start);
  EXPECT_EQ(before.pixels, after.pixels);
}

}  // namespace
