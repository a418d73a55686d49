// The sizes the program sets in pixels, at the screen's scaling. Runs in the
// ordinary prefix (96 dpi: today's sizes) and once more in a prefix at 144 dpi
// (150 %); at any other scaling the figures are unknown and the cases skip.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "display/display_test_helpers.h"
#include "display/max_display_ids.h"
#include "display/max_display_window_win32.h"
#include "main_window_harness.h"
#include "settings/settings_file_win32.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "ui/dpi_win32.h"

using namespace testing_support;

namespace {

// Written out rather than computed, so a helper that rounds wrongly fails here.
struct Figures {
  int dpi;
  RECT display;    // a page's time display in the page's client area
  int columns[7];  // lap list columns as first built
  int switchedOn;  // a column shown again from the header menu
  int controlTop;  // full-screen label and buttons
  int controlHeight;
  int labelWidth;
  int buttonWidth;
  int pageLeft;       // page margin left of the tab
  int minimumMargin;  // below the start button in the least window height
  int fontHeight;     // a 16-point display font, in pixels (lfHeight)
  int labelFont;      // the full-screen label's 24 points
  int fullFont;       // the full-screen display's 170 points, moved here from the other dpi
  int digitInk;       // rows of ink of the stopwatch display's zeros at 16 points
};
// clang-format off
const Figures kFigures[] = {
    {96, {1, 3, 233, 33}, {37, 75, 75, 75, 100, 75, 75}, 75, 2, 66, 270, 100, 8, 10,
     -21, -32, -227, 15},
    {144, {2, 5, 350, 50}, {56, 113, 113, 113, 150, 113, 113}, 113, 3, 99, 405, 150, 12, 15,
     -32, -48, -341, 24},
};
// clang-format on

const Figures* FiguresHere() {
  for (const Figures& f : kFigures) {
    if (f.dpi == ScreenDpi())
      return &f;
  }
  return nullptr;
}

// The figures of the other scaling the suite runs at: where a move of a
// window to another monitor takes it.
const Figures& OtherFigures(const Figures& here) {
  return here.dpi == kFigures[0].dpi ? kFigures[1] : kFigures[0];
}

#define FIGURES_OR_SKIP(name)                          \
  const Figures* name = FiguresHere();                 \
  if (name == nullptr)                                 \
    GTEST_SKIP() << "the screen is at " << ScreenDpi() \
                 << " dpi; sizes are checked at 96 and 144 (scripts/test.sh runs both)";

RECT PlaceIn(HWND parent, HWND child) {
  RECT r = {};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectRect(const RECT& actual, const RECT& expected, const char* what) {
  EXPECT_EQ(actual.left, expected.left) << what;
  EXPECT_EQ(actual.top, expected.top) << what;
  EXPECT_EQ(actual.right - actual.left, expected.right - expected.left) << what;
  EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top) << what;
}

// The widest time a page display shows (four hour digits, milliseconds), in the
// display's default font at this screen's scaling, must fit its client area.
void ExpectDigitsFit(HWND display, const char* fontName) {
  RECT client = {};
  GetClientRect(display, &client);
  const display::FontRecord record = display::DefaultFontRecord(fontName, ScreenDpi());
  LOGFONTA logFont;
  static_assert(sizeof logFont == sizeof record.logFont, "LOGFONTA layout");
  std::memcpy(&logFont, &record.logFont, sizeof logFont);
  HFONT font = CreateFontIndirectA(&logFont);
  HDC dc = GetDC(display);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent = {};
  const char text[] = "0000:00:00:000";
  GetTextExtentPoint32A(dc, text, static_cast<int>(sizeof text - 1), &extent);
  SelectObject(dc, old);
  ReleaseDC(display, dc);
  DeleteObject(font);
  std::printf("[   info   ] %s at %d dpi: text %ldx%ld in a client area of %ldx%ld\n", fontName,
              ScreenDpi(), extent.cx, extent.cy, client.right, client.bottom);
  EXPECT_LE(extent.cy, client.bottom) << fontName;
  EXPECT_LE(extent.cx, client.right) << fontName;
}

LONG FontHeight(HFONT font) {
  LOGFONTA logFont = {};
  if (font == nullptr || GetObjectA(font, sizeof logFont, &logFont) == 0)
    return 0;
  return logFont.lfHeight;
}

// Every window of the main dialog, by class, with its place on the screen and
// its font's height, and the lap list's column widths: what must come back to
// the pixel after a move to another scaling and back.
BOOL CALLBACK AddWindow(HWND window, LPARAM out) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  // The tab control makes its scroll arrows while its items do not fit and
  // keeps them, hidden, once they do again.
  if (std::strcmp(className, "msctls_updown32") == 0 && !IsWindowVisible(window))
    return TRUE;
  RECT r = {};
  GetWindowRect(window, &r);
  // Wine fits a list box to whole rows of the font it had while it was made
  // (the system's, before the dialog's); laid out again in the dialog's own
  // font, the template's height holds one row more. Its place is compared.
  if (std::strcmp(className, "ListBox") == 0)
    r.bottom = r.top;
  char line[160];
  std::snprintf(line, sizeof line, "%s %ld,%ld %ldx%ld font %ld", className, r.left, r.top,
                r.right - r.left, r.bottom - r.top,
                FontHeight(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0))));
  reinterpret_cast<std::vector<std::string>*>(out)->push_back(line);
  if (std::strcmp(className, "SysListView32") == 0) {
    for (int column = 0; column < 7; ++column) {
      reinterpret_cast<std::vector<std::string>*>(out)->push_back(
          "column " + std::to_string(SendMessageA(window, LVM_GETCOLUMNWIDTH, column, 0)));
    }
  }
  return TRUE;
}

std::vector<std::string> Layout(HWND main) {
  std::vector<std::string> lines;
  AddWindow(main, reinterpret_cast<LPARAM>(&lines));
  EnumChildWindows(main, AddWindow, reinterpret_cast<LPARAM>(&lines));
  return lines;
}

void SendDpiChanged(HWND window, int dpi, RECT suggested) {
  SendMessageA(window, kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
  PumpMessages();
}

// The rectangle Windows suggests for a window moving from one scaling to
// another: the same corner, the size scaled.
RECT ScaledRect(const RECT& r, int fromDpi, int toDpi) {
  return {r.left, r.top, r.left + MulDiv(r.right - r.left, toDpi, fromDpi),
          r.top + MulDiv(r.bottom - r.top, toDpi, fromDpi)};
}

int Height(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

class ScreenScalingTest : public MainWindowHarness {};

TEST_F(ScreenScalingTest, PageDisplaysAreScaledAndTheirDigitsFit) {
  FIGURES_OR_SKIP(figures);
  Open("scaling-displays");
  Create();
  HWND page = app_->Stopwatch().Window();
  HWND display = FindWindowExA(page, nullptr, "TimdDispClass", nullptr);
  ASSERT_NE(display, nullptr);
  ExpectRect(PlaceIn(page, display), figures->display, "stopwatch display");
  ExpectDigitsFit(display, "font1");

  SelectTab(1);
  page = app_->Timer().Window();
  display = FindWindowExA(page, nullptr, "TimdDispClass", nullptr);
  ASSERT_NE(display, nullptr);
  ExpectRect(PlaceIn(page, display), figures->display, "timer display");
  ExpectDigitsFit(display, "font2");
}

// Font files from a run at 100 % (no FontDpi key): the digits keep their size
// in points, and the files are written back at this scaling, still 64 bytes.
TEST_F(ScreenScalingTest, DigitsFromFontFilesWrittenAtNinetySixKeepTheirPointSize) {
  FIGURES_OR_SKIP(figures);
  Open("scaling-font-files");
  const std::string file = folder_ + "\\font1";
  WriteFileBytes(file, display_test::RecordBytes(display::DefaultFontRecord("font1", 96)));
  Create();
  HWND display = FindWindowExA(app_->Stopwatch().Window(), nullptr, "TimdDispClass", nullptr);
  ASSERT_NE(display, nullptr);
  const int ink = display_test::Capture(display).InkHeight();
  std::printf("[   info   ] digits from a font file written at 96, shown at %d dpi: %d rows\n",
              ScreenDpi(), ink);
  EXPECT_EQ(ink, figures->digitInk);

  Destroy();
  const std::string bytes = ReadFileBytes(file);
  ASSERT_EQ(bytes.size(), display::kFontRecordSize);
  display::FontRecord written = display_test::ZeroRecord();
  display::LoadFontRecordBytes(written, reinterpret_cast<const unsigned char*>(bytes.data()),
                               bytes.size());
  EXPECT_EQ(written.logFont.height, figures->fontHeight);
  // At 96 the key stays away: a missing key already means 96.
  EXPECT_EQ(ReadKey("MainDlg", "FontDpi"),
            figures->dpi == 96 ? std::string("<missing>") : std::to_string(figures->dpi));
}

TEST_F(ScreenScalingTest, LapColumnsAreScaledWhenBuiltAndWhenShownAgain) {
  FIGURES_OR_SKIP(figures);
  Open("scaling-columns");
  Create();
  HWND page = app_->Stopwatch().Window();
  HWND list = GetDlgItem(page, IDC_SW_LAP_LIST);
  for (int column = 0; column < 7; ++column) {
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), figures->columns[column])
        << column;
  }
  // Off and on again: the start time column comes back at position 1, and the
  // column that started wider comes back at the common width.
  for (int command : {IDM_SW_COLUMN_START_TIME, IDM_SW_COLUMN_SINCE_START}) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  }
  EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), figures->switchedOn);
  EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 4, 0), figures->switchedOn);
}

TEST_F(ScreenScalingTest, PageMarginsAndLeastWindowSizeAreScaled) {
  FIGURES_OR_SKIP(figures);
  Open("scaling-window");
  Create();
  RECT client = {};
  GetClientRect(window_, &client);
  const RECT page = PlaceIn(window_, app_->Stopwatch().Window());
  EXPECT_EQ(page.left, figures->pageLeft);
  EXPECT_EQ(page.right - page.left, client.right - ScalePixels(20, figures->dpi));

  RECT own = {}, bar = {}, button = {};
  GetWindowRect(window_, &own);
  GetWindowRect(dialog_->StatusBar(0), &bar);
  GetWindowRect(app_->Stopwatch().StartButton(), &button);
  const POINT least = LeastTrackingSize(window_);
  std::printf("[   info   ] least window size at %d dpi: %ldx%ld\n", ScreenDpi(), least.x, least.y);
  EXPECT_EQ(least.x, own.right - own.left);
  EXPECT_EQ(least.y, (bar.bottom - bar.top) + (button.bottom - own.top) + figures->minimumMargin);
}

// The main window moved to a monitor of the other scaling, as Windows reports
// it (Wine never does): the window takes the suggested rectangle, and every
// size the program scales, the display's digits and the least window size are
// the other scaling's. Moving back restores every window to the pixel.
TEST_F(ScreenScalingTest, AMoveToAnotherScalingRescalesTheWindowAndBackRestoresEveryPixel) {
  FIGURES_OR_SKIP(here);
  const Figures& there = OtherFigures(*here);
  Open("scaling-dpi-change");
  Create();
  SelectTab(1);
  SelectTab(0);
  // As laid out by a first size change (a first run's window is centred,
  // never sized, so the "in front" switch still stands where the template put it).
  RECT client = {};
  GetClientRect(window_, &client);
  SendMessageA(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  const std::vector<std::string> before = Layout(window_);
  RECT own = {};
  GetWindowRect(window_, &own);
  const RECT suggested = ScaledRect(own, here->dpi, there.dpi);
  SendDpiChanged(window_, there.dpi, suggested);

  RECT moved = {};
  GetWindowRect(window_, &moved);
  ExpectRect(moved, suggested, "main window");
  HWND stopwatch = app_->Stopwatch().Window();
  HWND timer = app_->Timer().Window();
  HWND stopwatchDisplay = FindWindowExA(stopwatch, nullptr, "TimdDispClass", nullptr);
  ExpectRect(PlaceIn(stopwatch, stopwatchDisplay), there.display, "stopwatch display");
  ExpectRect(PlaceIn(timer, FindWindowExA(timer, nullptr, "TimdDispClass", nullptr)), there.display,
             "timer display");
  const int ink = display_test::Capture(stopwatchDisplay).InkHeight();
  std::printf("[   info   ] after a move from %d to %d dpi: window %ldx%ld, digits %d rows\n",
              here->dpi, there.dpi, moved.right - moved.left, moved.bottom - moved.top, ink);
  EXPECT_EQ(ink, there.digitInk);
  EXPECT_EQ(PlaceIn(window_, stopwatch).left, there.pageLeft);
  HWND list = GetDlgItem(stopwatch, IDC_SW_LAP_LIST);
  for (int column = 0; column < 7; ++column) {
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), there.columns[column]) << column;
  }
  RECT bar = {}, button = {};
  GetWindowRect(dialog_->StatusBar(0), &bar);
  GetWindowRect(app_->Stopwatch().StartButton(), &button);
  EXPECT_EQ(LeastTrackingSize(window_).y,
            (bar.bottom - bar.top) + (button.bottom - moved.top) + there.minimumMargin);

  SendDpiChanged(window_, here->dpi, own);
  const std::vector<std::string> after = Layout(window_);
  EXPECT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size() || i < before.size(); ++i) {
    EXPECT_EQ(i < after.size() ? after[i] : "", i < before.size() ? before[i] : "") << i;
  }
}

// A window at its least height moved to the other scaling and back: each move
// ends at the least height of the scaling it arrives at (or the suggested
// height when that is more), since the size query the move sends already
// answers the new scaling's least height.
TEST_F(ScreenScalingTest, AWindowAtItsLeastHeightTakesTheLeastHeightOfTheScalingItMovesTo) {
  FIGURES_OR_SKIP(here);
  const Figures& there = OtherFigures(*here);
  Open("scaling-least-height");
  Create();
  const int leastHere = LeastTrackingSize(window_).y;
  int from = here->dpi;
  for (int to : {there.dpi, here->dpi}) {
    RECT own = {};
    GetWindowRect(window_, &own);
    SetWindowPos(window_, nullptr, 0, 0, own.right - own.left, LeastTrackingSize(window_).y,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(window_, &own);
    const RECT suggested = ScaledRect(own, from, to);
    SendDpiChanged(window_, to, suggested);
    const int least = LeastTrackingSize(window_).y;
    std::printf(
        "[   info   ] at the least height %ld px, moved from %d to %d dpi: %d px (least %d)\n",
        own.bottom - own.top, from, to, Height(window_), least);
    EXPECT_EQ(Height(window_), std::max<int>(suggested.bottom - suggested.top, least)) << to;
    from = to;
  }
  EXPECT_EQ(LeastTrackingSize(window_).y, leastHere);
}

// A placement stored at one scaling comes back at another with its size in
// points, at the position stored; until the user moves the window the record
// goes back to Data.ini as it was read, its scaling included.
TEST_F(ScreenScalingTest, AStoredPlacementKeepsItsSizeInPointsAtAnyScaling) {
  FIGURES_OR_SKIP(here);
  const Figures& there = OtherFigures(*here);
  const struct {
    int dpi;  // 0: no PlacementDpi key
    int width, height;
  } stored[] = {{144, 450, 600}, {96, 300, 400}, {0, 300, 400}};
  for (const auto& s : stored) {
    SCOPED_TRACE(s.dpi);
    Open("scaling-placement");
    SettingsFile& settings = TestSettings();
    settings.WriteString("MainDlg", "Left", "40");
    settings.WriteString("MainDlg", "Top", "30");
    settings.WriteInt("MainDlg", "Width", s.width);
    settings.WriteInt("MainDlg", "Height", s.height);
    if (s.dpi != 0)
      settings.WriteInt("MainDlg", "PlacementDpi", s.dpi);
    Create();
    const int from = s.dpi != 0 ? s.dpi : 96;
    RECT r = {};
    GetWindowRect(window_, &r);
    ExpectRect(
        r,
        RECT{40, 30, 40 + MulDiv(s.width, here->dpi, from), 30 + MulDiv(s.height, here->dpi, from)},
        "restored");
    Destroy();
    EXPECT_EQ(ReadKey("MainDlg", "Width"), std::to_string(s.width));
    EXPECT_EQ(ReadKey("MainDlg", "Height"), std::to_string(s.height));
    EXPECT_EQ(ReadKey("MainDlg", "PlacementDpi"),
              s.dpi != 0 ? std::to_string(s.dpi) : std::string("<missing>"));
  }

  // Moved by the user, the record is taken at this scaling and says so; at 96
  // a file without the key stays without it.
  for (int storedDpi : {there.dpi, 0}) {
    Open("scaling-placement-moved");
    if (storedDpi != 0)
      TestSettings().WriteInt("MainDlg", "PlacementDpi", storedDpi);
    Create();
    SetWindowPos(window_, nullptr, 50, 60, LeastTrackingSize(window_).x + 10,
                 LeastTrackingSize(window_).y + 20, SWP_NOZORDER);
    SendMessageA(window_, WM_EXITSIZEMOVE, 0, 0);
    RECT r = {};
    GetWindowRect(window_, &r);
    Destroy();
    EXPECT_EQ(ReadKey("MainDlg", "Left"), "50");
    EXPECT_EQ(ReadKey("MainDlg", "Width"), std::to_string(r.right - r.left));
    EXPECT_EQ(ReadKey("MainDlg", "PlacementDpi"), storedDpi == 0 && here->dpi == 96
                                                      ? std::string("<missing>")
                                                      : std::to_string(here->dpi));
  }
}

TEST(ScreenScalingFullScreen, AMoveToAnotherScalingCoversThatMonitorInFontsMadeForIt) {
  FIGURES_OR_SKIP(here);
  const Figures& there = OtherFigures(*here);
  UseFreshSettings("scaling-fullscreen-move");
  display_test::Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = display.Create(display_test::Instance(), owner.Window(), owner.Window(), WS_POPUP,
                               0, 0, 800, 600, "font3");
  ASSERT_NE(window, nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  for (const Figures* f : {&there, here}) {
    SCOPED_TRACE(f->dpi);
    SendDpiChanged(window, f->dpi, RECT{0, 0, 800, 600});
    RECT area = {};
    GetWindowRect(window, &area);
    ExpectRect(area, RECT{0, 0, width, GetSystemMetrics(SM_CYSCREEN)}, "the whole monitor");
    const int top = f->controlTop;
    const int bottom = top + f->controlHeight;
    ExpectRect(PlaceIn(window, GetDlgItem(window, IDC_MAXDISP_LABEL)),
               RECT{width - f->labelWidth, top, width, bottom}, "label");
    ExpectRect(PlaceIn(window, GetDlgItem(window, IDC_MAXDISP_CLOSE)),
               RECT{f->buttonWidth, top, 2 * f->buttonWidth, bottom}, "close");
    EXPECT_EQ(FontHeight(reinterpret_cast<HFONT>(
                  SendMessageA(GetDlgItem(window, IDC_MAXDISP_LABEL), WM_GETFONT, 0, 0))),
              f->labelFont);
    // Back at the scaling it was made at, the font is the file's own again.
    EXPECT_EQ(FontHeight(display.DrawingFont()),
              f == here ? display.Record().logFont.height : f->fullFont);
  }
  DestroyWindow(window);
  PumpMessages();
}

TEST(ScreenScalingFullScreen, LabelAndButtonsAreScaled) {
  FIGURES_OR_SKIP(figures);
  UseFreshSettings("scaling-fullscreen");
  display_test::Sink owner;
  MaxDisplayWindow display(testing_support::TestSettings(), display_test::StillClock());
  HWND window = display.Create(display_test::Instance(), owner.Window(), owner.Window(), WS_POPUP,
                               0, 0, 800, 600, "font3");
  ASSERT_NE(window, nullptr);
  const int top = figures->controlTop;
  const int bottom = top + figures->controlHeight;
  const RECT label = {800 - figures->labelWidth, top, 800, bottom};
  const RECT start = {0, top, figures->buttonWidth, bottom};
  const RECT close = {figures->buttonWidth, top, 2 * figures->buttonWidth, bottom};
  ExpectRect(PlaceIn(window, GetDlgItem(window, IDC_MAXDISP_LABEL)), label, "label");
  ExpectRect(PlaceIn(window, GetDlgItem(window, IDC_MAXDISP_START)), start, "start");
  ExpectRect(PlaceIn(window, GetDlgItem(window, IDC_MAXDISP_CLOSE)), close, "close");
  DestroyWindow(window);
  PumpMessages();
}

}  // namespace
