// What a screen reader, high contrast and a keyboard-only user meet: the
// displays' names through the system's accessibility proxy and their
// announcements, the colours under high contrast, the lap list's menu from the
// keyboard and the Tab order.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "display/display_test_helpers.h"
#include "export/stopwatch_page_harness.h"
#include "support/dialogs.h"
#include "support/name_change_counter.h"
#include "timer/timer_page_fixture.h"
#include "ui/high_contrast_win32.h"
#include "ui/static_text_accessible_win32.h"

using testing_support::NameChangeCounter;
using testing_support::PumpMessages;

namespace {

// The text, and the name and role a client reads through the proxy; printed.
void ExpectNamed(HWND display, const char* which, const std::string& expected) {
  CoInitialize(nullptr);
  char text[128] = {}, name[128] = {};
  SendMessageA(display, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  IAccessible* object = nullptr;
  VARIANT self = {}, role = {};
  self.vt = VT_I4;
  BSTR wide = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(display, OBJID_CLIENT, kAccessibleInterfaceId,
                                           reinterpret_cast<void**>(&object)))) {
    if (SUCCEEDED(object->get_accName(self, &wide)) && wide != nullptr)
      WideCharToMultiByte(932, 0, wide, -1, name, sizeof name, nullptr, nullptr);
    SysFreeString(wide);
    object->get_accRole(self, &role);
    object->Release();
  }
  CoUninitialize();
  std::printf("name read: %-15s %s\n", which, name);
  EXPECT_EQ(expected, text) << which;
  EXPECT_EQ(static_cast<LRESULT>(expected.size()), SendMessageA(display, WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(expected, name) << which;
  EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, role.lVal) << which;
}

}  // namespace

TEST(StopwatchAccessibilityTest, DisplayIsNamedByItsTimeAndAnnouncesTheStopButNoTick) {
  StopwatchPageHarness page("a11y_stopwatch_names");
  page.Open();
  HWND display = page.Page().Display().Window();
  ExpectNamed(display, "stopwatch idle", "00:00:00:000");
  NameChangeCounter changes(display);
  page.Command(IDC_SW_START);
  page.Ticks(999);
  EXPECT_EQ(0, changes.Count());  // the seconds did not move
  page.Ticks(241);                // at 1 ms the display is redrawn every 10 ms
  ExpectNamed(display, "stopwatch run", "00:00:01:240");
  const int running = changes.Count();
  page.Command(IDC_SW_STOP);
  EXPECT_EQ(running + 1, changes.Count());  // at once, whatever the pace
  page.Command(IDC_SW_CLEAR);
  ExpectNamed(display, "stopwatch zero", "00:00:00:000");
}

// The display's object is one COM object: each interface it hands out names
// the same object as IUnknown, the window it belongs to is the display (what
// clients ask to find it), and an interface it does not offer is refused, not
// handed out from the system's proxy inside it.
TEST(StopwatchAccessibilityTest, DisplayObjectKeepsOneIdentity) {
  StopwatchPageHarness page("a11y_identity");
  page.Open();
  HWND display = page.Page().Display().Window();
  CoInitialize(nullptr);
  IAccessible* object = nullptr;
  ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(display, OBJID_CLIENT, kAccessibleInterfaceId,
                                                   reinterpret_cast<void**>(&object))));
  IUnknown* identity = nullptr;
  IOleWindow* window = nullptr;
  IUnknown* again = nullptr;
  EXPECT_EQ(S_OK, object->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&identity)));
  ASSERT_EQ(S_OK, object->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(&window)));
  EXPECT_EQ(S_OK, window->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&again)));
  EXPECT_EQ(identity, again);
  HWND owner = nullptr;
  EXPECT_EQ(S_OK, window->GetWindow(&owner));
  EXPECT_EQ(display, owner);
  HWND found = nullptr;
  WindowFromAccessibleObject(object, &found);
  EXPECT_EQ(display, found);
  void* other = &found;
  EXPECT_EQ(E_NOINTERFACE, object->QueryInterface(__uuidof(IEnumVARIANT), &other));
  EXPECT_EQ(nullptr, other);
  for (IUnknown* held : {identity, again, static_cast<IUnknown*>(window)}) {
    if (held != nullptr)
      held->Release();
  }
  object->Release();
  CoUninitialize();
}

class TimerAccessibilityTest : public timer_page_test::TimerPageTest {};

TEST_F(TimerAccessibilityTest, BothDisplaysAreNamedAndTheFullScreenOneAddsItsNotice) {
  OpenPage();
  HWND display = page_->Display().Window();
  ChooseMode(timer::kOverrun);
  SetFields("00", "00", "02");
  ExpectNamed(display, "timer idle", "00:00:00");
  Toggle(IDC_TM_MAX_DISPLAY);
  Click(IDC_TM_START);
  Tick();
  HWND full = page_->MaxDisplay().Window();
  ExpectNamed(display, "timer run", "00:00:01");
  ExpectNamed(full, "full screen run", "00:00:01");
  NameChangeCounter changes(full);
  Tick();
  EXPECT_GE(changes.Count(), 1);  // zero rings the bell: announced at once
  ExpectNamed(display, "timer zero", "00:00:00");
  ExpectNamed(full, "full screen zero", "00:00:00");
  Tick();
  ExpectNamed(full, "full screen past", "00:00:01 超過中！");
  Click(IDC_TM_STOP);
}

namespace {

// A high-contrast scheme, yellow on black, while the object lives.
class HighContrastColours {
 public:
  HighContrastColours() {
    for (int i = 0; i < 4; ++i) saved_[i] = GetSysColor(kElements[i]);
    const COLORREF scheme[4] = {0, RGB(255, 255, 0), RGB(0, 255, 255), 0};
    SetSysColors(4, kElements, scheme);
  }
  ~HighContrastColours() { SetSysColors(4, kElements, saved_); }

 private:
  const int kElements[4] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
  COLORREF saved_[4];
};

BOOL CALLBACK TellOn(HWND window, LPARAM) {
  return SendMessageA(window, ContrastMessage(), 1, 0), TRUE;
}

// The background and text colours the page asks of a lap row's cell.
std::pair<COLORREF, COLORREF> RowColours(StopwatchPage& page, int row) {
  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.hdr = {page.LapList().Window(), IDC_SW_LAP_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
  draw.clrText = draw.clrTextBk = CLR_DEFAULT;
  SendMessageA(page.Window(), WM_NOTIFY, IDC_SW_LAP_LIST, reinterpret_cast<LPARAM>(&draw));
  return {draw.clrTextBk, draw.clrText};
}

}  // namespace

TEST(StopwatchAccessibilityTest, HighContrastDrawsInSystemColoursAndLeavingItBringsTheOwnBack) {
  StopwatchPageHarness page("a11y_contrast", true);
  page.Open();
  for (int run = 0; run < 2; ++run) {  // the second run's row is shaded
    page.Command(IDC_SW_START);
    page.Ticks(5);
    page.Command(IDC_SW_STOP);
  }
  const int shaded = RowColours(page.Page(), 0).first == 0x0080FFFF ? 0 : 1;
  ASSERT_EQ(0x0080FFFFu, RowColours(page.Page(), shaded).first);
  HWND display = page.Page().Display().Window();
  auto yellow = [](unsigned r, unsigned g, unsigned b) { return r > 200 && g > 200 && b < 80; };
  {
    HighContrastColours scheme;
    // As the main window passes it on (Wine itself always reports it off).
    EnumChildWindows(page.Parent(), TellOn, 0);
    const display_test::Picture picture = display_test::Capture(display);
    EXPECT_EQ(0x000000u, picture.At(1, 1));
    EXPECT_GT(picture.Count(yellow), 20);
    EXPECT_EQ(std::make_pair(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)),
              RowColours(page.Page(), shaded));
  }
  TellContrastToDescendants(page.Parent());  // the system says off
  const display_test::Picture picture = display_test::Capture(display);
  EXPECT_EQ(0xFFFFFFu, picture.At(1, 1));
  EXPECT_EQ(0, picture.Count(yellow));
  EXPECT_GT(picture.Dark(), 20);
  EXPECT_EQ(0x0080FFFFu, RowColours(page.Page(), shaded).first);
}

TEST(StopwatchAccessibilityTest, ShiftF10OnTheLapListOpensTheHeaderMenuAtItsTopLeft) {
  StopwatchPageHarness page("a11y_keyboard", true);
  page.Open();
  HWND list = page.Page().LapList().Window();
  SetForegroundWindow(page.Parent());
  SetFocus(list);
  RECT menuRect = {};
  testing_support::ModalScript user(
      {testing_support::WhenMenu([&menuRect](HWND menu, const RECT& placed) {
        menuRect = placed;
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      })});
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_SHIFT, VK_F10, VK_F10, VK_SHIFT};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, keys, sizeof keys[0]);
  // The keys arrive as this thread's messages; the menu's own loop closes it.
  for (int i = 0; i < 200 && !user.Done(); ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  RECT listRect = {};
  GetWindowRect(list, &listRect);
  ASSERT_TRUE(user.Done()) << "no menu opened";
  EXPECT_EQ(listRect.left, menuRect.left);
  EXPECT_EQ(listRect.top, menuRect.top);
}

TEST_F(TimerAccessibilityTest, TabVisitsTheDisplayThenEveryEnabledControlInReadingOrder) {
  OpenPage();
  HWND first = GetNextDlgTabItem(Page(), nullptr, FALSE);
  EXPECT_EQ(page_->Display().Window(), first);
  std::vector<int> order;
  for (HWND item = GetNextDlgTabItem(Page(), first, FALSE); item != first && order.size() < 40;
       item = GetNextDlgTabItem(Page(), item, FALSE)) {
    order.push_back(GetDlgCtrlID(item));
  }
  EXPECT_EQ((std::vector<int>{IDC_TM_HOURS, IDC_TM_MINUTES, IDC_TM_SECONDS, IDC_TM_START,
                              IDC_TM_BELL_SWITCH, IDC_TM_MAX_DISPLAY, IDC_TM_MODE,
                              IDC_TM_PRESET_ADD, IDC_TM_PRESETS}),
            order);
}
