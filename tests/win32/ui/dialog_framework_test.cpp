// The one dialog procedure and the one window procedure: how an object is
// bound to its window and let go, where a handler's answer ends up, and that an
// exception never unwinds into the system's window code.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "timer/preset_dialog_ids.h"
#include "ui/dialog_win32.h"
#include "ui/dpi_win32.h"

namespace {

// Any template of the program will do; this one has a single edit field.
class ProbeDialog : public Dialog {
 public:
  std::vector<UINT> seen;
  bool throwOnCommand = false;
  LRESULT notifyAnswer = 0;
  int destroyed = 0;

  HWND Create() { return CreateModeless(GetModuleHandleA(nullptr), IDD_PRESET_NAME, nullptr); }

 protected:
  bool OnInitDialog() override {
    seen.push_back(WM_INITDIALOG);
    return false;
  }
  bool OnCommand(int id, int, HWND) override {
    if (throwOnCommand)
      throw std::runtime_error("probe");
    seen.push_back(static_cast<UINT>(id));
    return true;
  }
  bool OnNotify(NMHDR*, LRESULT* result) override {
    *result = notifyAnswer;
    return true;
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    if (message == WM_CTLCOLORDLG) {
      *result = reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
      return true;
    }
    return false;
  }
  void OnDestroy() override {
    ++destroyed;
    if (destroyedElsewhere != nullptr)
      ++*destroyedElsewhere;
  }
  void OnDpiChanged(int newDpi, int oldDpi) override {
    if (dpiLog != nullptr)
      dpiLog->push_back("dialog " + std::to_string(newDpi) + " " + std::to_string(oldDpi));
  }

 public:
  int* destroyedElsewhere = nullptr;
  std::vector<std::string>* dpiLog = nullptr;
};

TEST(DialogFramework, BindsAtInitialisationAndLetsGoAfterTheLastMessage) {
  ProbeDialog dialog;
  HWND window = dialog.Create();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(dialog.Window(), window);
  EXPECT_EQ(dialog.seen, std::vector<UINT>{WM_INITDIALOG});
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&dialog));
  EXPECT_NE(dialog.Item(IDC_PRESET_NAME_EDIT), nullptr);

  DestroyWindow(window);
  EXPECT_EQ(dialog.destroyed, 1);
  EXPECT_EQ(dialog.Window(), nullptr);
  EXPECT_EQ(dialog.Item(IDC_PRESET_NAME_EDIT), nullptr);
}

TEST(DialogFramework, AnswersGoWhereTheDialogManagerLooksForThem) {
  ProbeDialog dialog;
  HWND window = dialog.Create();
  ASSERT_NE(window, nullptr);
  // A notification's answer is stored in the result slot, and 0 is stored as
  // well: never a value left over from an earlier message.
  NMHDR header = {window, 1, 0};
  dialog.notifyAnswer = 1234;
  SendMessageA(window, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(GetWindowLongPtrA(window, DWLP_MSGRESULT), 1234);
  dialog.notifyAnswer = 0;
  SendMessageA(window, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(GetWindowLongPtrA(window, DWLP_MSGRESULT), 0);
  // A colour message is answered by the procedure's own return value.
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLORDLG, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
  DestroyWindow(window);
}

TEST(DialogFramework, AnExceptionInAHandlerStopsAtTheProcedure) {
  ProbeDialog dialog;
  HWND window = dialog.Create();
  ASSERT_NE(window, nullptr);
  dialog.throwOnCommand = true;
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
  // The dialog goes on as before.
  dialog.throwOnCommand = false;
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), 0);
  EXPECT_EQ(dialog.seen, (std::vector<UINT>{WM_INITDIALOG, 8}));
  DestroyWindow(window);
}

const char kProbeClass[] = "MipoFrameworkProbe";

class ProbeWindow : public WindowObject {
 public:
  int created = 0;
  int keys = 0;
  bool throwOnKey = false;

  std::vector<std::string>* dpiLog = nullptr;

  HWND Create(HWND parent = nullptr) {
    WNDCLASSA wc = {};
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpfnWndProc = WindowObject::Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kProbeClass;
    RegisterClassA(&wc);
    return CreateBound(0, kProbeClass, parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                       parent, wc.hInstance);
  }

 protected:
  bool OnCreate() override {
    ++created;
    return true;
  }
  void OnDpiChanged(int newDpi, int oldDpi) override {
    if (dpiLog != nullptr)
      dpiLog->push_back("window " + std::to_string(newDpi) + " " + std::to_string(oldDpi));
  }
  bool OnKeyDown(WPARAM, LPARAM) override {
    if (throwOnKey)
      throw 42;  // not even a std::exception
    ++keys;
    return true;
  }
};

TEST(WindowFramework, BindsAtCreationContainsExceptionsAndLetsGo) {
  ProbeWindow probe;
  HWND window = probe.Create();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(probe.created, 1);
  EXPECT_EQ(probe.Window(), window);
  probe.throwOnKey = true;
  SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
  probe.throwOnKey = false;
  SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(probe.keys, 1);
  DestroyWindow(window);
  EXPECT_EQ(probe.Window(), nullptr);
}

// A change of scaling reaches the dialog and then each of the program's
// windows inside it, with the new and the old dots per inch, before the
// dialog moves; a window made inside it afterwards starts at the dialog's.
TEST(DialogFramework, AChangeOfScalingReachesTheWholeTreeParentsFirst) {
  std::vector<std::string> log;
  ProbeDialog dialog;
  dialog.dpiLog = &log;
  HWND window = dialog.Create();
  ASSERT_NE(window, nullptr);
  ProbeWindow child;
  child.dpiLog = &log;
  ASSERT_NE(child.Create(window), nullptr);
  const int dpi = dialog.Dpi();
  EXPECT_EQ(child.Dpi(), dpi);
  RECT own = {};
  GetWindowRect(window, &own);
  SendMessageA(window, kDpiChangedMessage, MAKEWPARAM(2 * dpi, 2 * dpi),
               reinterpret_cast<LPARAM>(&own));
  const std::string change = std::to_string(2 * dpi) + " " + std::to_string(dpi);
  EXPECT_EQ(log, (std::vector<std::string>{"dialog " + change, "window " + change}));
  EXPECT_EQ(child.Dpi(), 2 * dpi);

  ProbeWindow later;
  later.dpiLog = &log;
  ASSERT_NE(later.Create(window), nullptr);
  EXPECT_EQ(later.Dpi(), 2 * dpi);
  EXPECT_EQ(log.size(), 2u);
  DestroyWindow(window);
}

// An object that goes before its window takes the window with it; the window
// is let go first, so the object's handlers never run half destroyed.
TEST(DialogFramework, AnObjectThatGoesFirstTakesItsWindowWithoutItsHandlers) {
  int destroyed = 0;
  HWND window = nullptr;
  {
    ProbeDialog dialog;
    dialog.destroyedElsewhere = &destroyed;
    window = dialog.Create();
    ASSERT_NE(window, nullptr);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(destroyed, 0);
}

// A window class that draws nothing inherits a paint that validates: the
// system does not ask it again.
TEST(WindowFramework, DefaultPaintValidatesWhatItIsAskedToPaint) {
  ProbeWindow probe;
  HWND window = probe.Create();
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  InvalidateRect(window, nullptr, FALSE);
  ASSERT_TRUE(GetUpdateRect(window, nullptr, FALSE));
  UpdateWindow(window);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, window, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

}  // namespace

namespace {

std::vector<RECT> ControlPlaces(HWND dialog) {
  std::vector<RECT> places;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r = {};
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    places.push_back(r);
  }
  return places;
}

// A dialog with no layout code of its own still follows a monitor of another
// scaling: it takes the suggested rectangle, its template's controls grow
// with the dots per inch in a font made for them, and coming back restores
// every control to the pixel.
TEST(DialogFramework, AnotherMonitorsScalingPlacesTheTemplateAgainAndBackRestoresIt) {
  ProbeDialog probe;
  HWND window = probe.Create();
  ASSERT_NE(window, nullptr);
  const int dpi = probe.Dpi();
  const std::vector<RECT> before = ControlPlaces(window);
  ASSERT_FALSE(before.empty());
  HWND edit = GetWindow(window, GW_CHILD);
  const HFONT templateFont = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
  RECT own = {};
  GetWindowRect(window, &own);
  RECT suggested = {own.left, own.top, own.left + (own.right - own.left) * 3 / 2,
                    own.top + (own.bottom - own.top) * 3 / 2};
  SendMessageA(window, kDpiChangedMessage, MAKEWPARAM(dpi * 3 / 2, dpi * 3 / 2),
               reinterpret_cast<LPARAM>(&suggested));

  RECT moved = {};
  GetWindowRect(window, &moved);
  EXPECT_EQ(moved.right - moved.left, suggested.right - suggested.left);
  EXPECT_EQ(probe.Dpi(), dpi * 3 / 2);
  const std::vector<RECT> bigger = ControlPlaces(window);
  ASSERT_EQ(bigger.size(), before.size());
  // Dialog units follow the font's own widths, so about half as large again.
  for (std::size_t i = 0; i < before.size(); ++i) {
    const LONG width = before[i].right - before[i].left;
    EXPECT_GE(bigger[i].right - bigger[i].left, width * 7 / 5) << i;
    EXPECT_LE(bigger[i].right - bigger[i].left, width * 9 / 5) << i;
  }
  EXPECT_NE(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), templateFont);

  SendMessageA(window, kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&own));
  const std::vector<RECT> after = ControlPlaces(window);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_TRUE(EqualRect(&after[i], &before[i])) << i;
  }
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), templateFont);
  DestroyWindow(window);
}

}  // namespace
