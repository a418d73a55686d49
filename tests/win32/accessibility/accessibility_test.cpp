// What a screen reader, high contrast and a keyboard-only user meet: the names
// the displays give through the system's accessibility proxy, how often they
// announce a change, the colours under high contrast and the lap list's menu
// from the keyboard.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "display/display_test_helpers.h"
#include "export/stopwatch_page_harness.h"
#include "support/name_change_counter.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "timer/timer_page_fixture.h"
#include "ui/high_contrast_win32.h"

using testing_support::NameChangeCounter;
using testing_support::PumpMessages;

namespace {

// What a client reads: the window's text, and its name and role through the
// system's proxy (oleacc, loaded as a screen reader's process would have it).
struct Reading {
  std::string text;
  std::string name;
  long role = 0;
};

Reading Read(HWND window) {
  Reading reading;
  char text[128] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  reading.text = text;
  typedef HRESULT(WINAPI * FromWindow)(HWND, DWORD, REFIID, void**);
  typedef void(WINAPI * FreeString)(BSTR);
  HMODULE oleacc = LoadLibraryA("oleacc.dll");
  HMODULE oleaut = LoadLibraryA("oleaut32.dll");
  FromWindow fromWindow = reinterpret_cast<FromWindow>(
      reinterpret_cast<void*>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));
  FreeString freeString = reinterpret_cast<FreeString>(
      reinterpret_cast<void*>(GetProcAddress(oleaut, "SysFreeString")));
  IAccessible* object = nullptr;
  if (fromWindow == nullptr || freeString == nullptr ||
      FAILED(fromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                        reinterpret_cast<void**>(&object)))) {
    return reading;
  }
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
    char bytes[256] = {};
    WideCharToMultiByte(932, 0, name, -1, bytes, sizeof bytes, nullptr, nullptr);
    reading.name = bytes;
    freeString(name);
  }
  VARIANT role = {};
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
    reading.role = role.lVal;
  object->Release();
  return reading;
}

// Expects the display to read as text everywhere and prints what was read.
void ExpectNamed(HWND display, const char* which, const std::string& expected) {
  const Reading reading = Read(display);
  std::printf("name read: %-12s %s\n", which, reading.name.c_str());
  EXPECT_EQ(expected, reading.text) << which;
  EXPECT_EQ(static_cast<LRESULT>(expected.size()), SendMessageA(display, WM_GETTEXTLENGTH, 0, 0))
      << which;
  EXPECT_EQ(expected, reading.name) << which;
  EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, reading.role) << which;
}

// A client initialises COM before it asks for objects.
class ComApartment {
 public:
  ComApartment() { CoInitialize(nullptr); }
  ~ComApartment() { CoUninitialize(); }
};

BOOL CALLBACK TellOne(HWND window, LPARAM on) {
  SendMessageA(window, ContrastMessage(), static_cast<WPARAM>(on), 0);
  return TRUE;
}

// What the main window tells every window inside it when the system switches
// high contrast (which Wine cannot switch: it always reports it off).
void TellContrast(HWND top, bool on) {
  EnumChildWindows(top, TellOne, on ? 1 : 0);
}

// A high-contrast scheme, yellow on black, for the length of a test.
class HighContrastColours {
 public:
  HighContrastColours() {
    for (int i = 0; i < kCount; ++i) saved_[i] = GetSysColor(kElements[i]);
    const COLORREF scheme[kCount] = {RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 255, 255),
                                     RGB(0, 0, 0)};
    SetSysColors(kCount, kElements, scheme);
  }
  ~HighContrastColours() { SetSysColors(kCount, kElements, saved_); }

 private:
  static const int kCount = 4;
  const int kElements[kCount] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                 COLOR_HIGHLIGHTTEXT};
  COLORREF saved_[kCount];
};

int Yellow(const display_test::Picture& picture) {
  return picture.Count(
      [](unsigned r, unsigned g, unsigned b) { return r > 200 && g > 200 && b < 80; });
}

// How the page would have a lap row drawn: its background and text colours.
std::pair<COLORREF, COLORREF> RowColours(HWND page, HWND list, int row) {
  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.hdr.hwndFrom = list;
  draw.nmcd.hdr.idFrom = IDC_SW_LAP_LIST;
  draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
  draw.clrText = CLR_DEFAULT;
  draw.clrTextBk = CLR_DEFAULT;
  SendMessageA(page, WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&draw));
  return {draw.clrTextBk, draw.clrText};
}

}  // namespace

TEST(StopwatchAccessibilityTest, DisplayIsNamedByItsTimeAndAnnouncesTheStopButNoTick) {
  ComApartment com;
  StopwatchPageHarness page("a11y_stopwatch_names");
  page.Open();
  HWND display = page.Page().Display().Window();
  ExpectNamed(display, "stopwatch idle", "00:00:00:000");

  NameChangeCounter changes(display);
  page.Command(IDC_SW_START);
  page.Ticks(999);  // the seconds do not move: nothing to announce
  EXPECT_EQ(0, changes.Count());
  page.Ticks(235);
  ExpectNamed(display, "stopwatch running", "00:00:01:234");
  const int whileRunning = changes.Count();
  EXPECT_LE(whileRunning, 1);
  page.Command(IDC_SW_STOP);
  EXPECT_EQ(whileRunning + 1, changes.Count());  // at once, whatever the pace

  page.Command(IDC_SW_CLEAR);
  ExpectNamed(display, "stopwatch zero", "00:00:00:000");
}

class TimerAccessibilityTest : public timer_page_test::TimerPageTest {};

TEST_F(TimerAccessibilityTest, BothDisplaysAreNamedAndTheFullScreenOneAddsItsNotice) {
  ComApartment com;
  OpenPage();
  HWND display = page_->Display().Window();
  ChooseMode(timer::kOverrun);
  SetFields("00", "00", "02");
  ExpectNamed(display, "timer idle", Shown());

  Toggle(IDC_TM_MAX_DISPLAY);
  Click(IDC_TM_START);
  Tick();
  HWND full = page_->MaxDisplay().Window();
  ASSERT_NE(nullptr, full);
  ExpectNamed(display, "timer running", "00:00:01");
  ExpectNamed(full, "full running", "00:00:01");

  NameChangeCounter changes(full);
  Tick();  // zero rings the bell: announced at once
  EXPECT_GE(changes.Count(), 1);
  ExpectNamed(display, "timer zero", "00:00:00");
  ExpectNamed(full, "full zero", "00:00:00");
  Tick();  // past zero, with the notice beside the time
  ExpectNamed(full, "full past zero", "00:00:01 超過中！");
  Click(IDC_TM_STOP);
}

TEST(StopwatchAccessibilityTest, HighContrastDrawsInSystemColoursAndLeavingItBringsTheOwnBack) {
  StopwatchPageHarness page("a11y_contrast", true);
  page.Open();
  // Two runs, so the second run's row is shaded.
  for (int run = 0; run < 2; ++run) {
    page.Command(IDC_SW_START);
    page.Ticks(5);
    page.Command(IDC_SW_STOP);
  }
  HWND display = page.Page().Display().Window();
  HWND list = page.Page().LapList().Window();
  HWND dialog = page.Page().Window();
  const int shadedRow = RowColours(dialog, list, 0).first == 0x0080FFFF ? 0 : 1;
  ASSERT_EQ(0x0080FFFFu, RowColours(dialog, list, shadedRow).first);

  {
    HighContrastColours scheme;
    TellContrast(page.Parent(), true);
    PumpMessages();
    const display_test::Picture picture = display_test::Capture(display);
    EXPECT_EQ(0x000000u, picture.At(1, 1));  // the system's window colour
    EXPECT_GT(Yellow(picture), 20);          // the time in its window text colour
    EXPECT_EQ(std::make_pair(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)),
              RowColours(dialog, list, shadedRow));
  }
  // Leaving high contrast: the system says it is off, and the stored black on
  // white comes back.
  TellContrastToDescendants(page.Parent());
  PumpMessages();
  const display_test::Picture picture = display_test::Capture(display);
  EXPECT_EQ(0xFFFFFFu, picture.At(1, 1));
  EXPECT_EQ(0, Yellow(picture));
  EXPECT_GT(picture.Dark(), 20);
  EXPECT_EQ(0x0080FFFFu, RowColours(dialog, list, shadedRow).first);
  EXPECT_EQ(CLR_DEFAULT, RowColours(dialog, list, 1 - shadedRow).first);
}

namespace {

RECT g_menuRect;

// Notes where the popup menu opened and closes it.
DWORD WINAPI CloseMenuWhenShown(LPVOID) {
  for (int i = 0; i < 300; ++i) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
      GetWindowRect(menu, &g_menuRect);
      PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      return 0;
    }
    Sleep(10);
  }
  return 1;
}

void PressShiftF10() {
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_SHIFT, VK_F10, VK_F10, VK_SHIFT};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = (i >= 2) ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, keys, sizeof keys[0]);
}

}  // namespace

TEST(StopwatchAccessibilityTest, ShiftF10OnTheLapListOpensTheHeaderMenuAtItsTopLeft) {
  StopwatchPageHarness page("a11y_keyboard", true);
  page.Open();
  HWND list = page.Page().LapList().Window();
  SetForegroundWindow(page.Parent());
  SetFocus(list);
  ASSERT_EQ(list, GetFocus());
  RECT listRect = {};
  GetWindowRect(list, &listRect);

  g_menuRect = RECT{-1, -1, -1, -1};
  HANDLE closer = CreateThread(nullptr, 0, CloseMenuWhenShown, nullptr, 0, nullptr);
  PressShiftF10();
  for (int i = 0; i < 200 && WaitForSingleObject(closer, 0) == WAIT_TIMEOUT; ++i) {
    PumpMessages();
    Sleep(10);
  }
  DWORD closed = 1;
  GetExitCodeThread(closer, &closed);
  CloseHandle(closer);
  ASSERT_EQ(0u, closed) << "no menu opened";
  EXPECT_EQ(listRect.left, g_menuRect.left);
  EXPECT_EQ(listRect.top, g_menuRect.top);
}

TEST_F(TimerAccessibilityTest, TabVisitsTheDisplayAndEveryEnabledControlInReadingOrder) {
  OpenPage();
  std::vector<int> order;
  HWND first = GetNextDlgTabItem(Page(), nullptr, FALSE);
  EXPECT_EQ(page_->Display().Window(), first);
  for (HWND item = GetNextDlgTabItem(Page(), first, FALSE); item != first && order.size() < 40;
       item = GetNextDlgTabItem(Page(), item, FALSE)) {
    order.push_back(GetDlgCtrlID(item));
  }
  EXPECT_EQ((std::vector<int>{IDC_TM_HOURS, IDC_TM_MINUTES, IDC_TM_SECONDS, IDC_TM_START,
                              IDC_TM_BELL_SWITCH, IDC_TM_MAX_DISPLAY, IDC_TM_MODE,
                              IDC_TM_PRESET_ADD, IDC_TM_PRESETS}),
            order);
}
