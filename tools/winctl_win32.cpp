// A small helper for scripts that drive the program on a virtual display:
//   winctl wait <title prefix> <ms>      waits until a top-level window's title starts so
//   winctl dismiss <caption> <ms>        answers message boxes with that caption with OK
//                                        until none has appeared for <ms>
//   winctl close <title prefix>          asks that window to close, as its close box does
//   winctl click <title prefix> <id>     clicks a control of that window (or its child dialogs)
//   winctl tab <title prefix> <index>    chooses a tab of the window's tab control, as a click does
//   winctl select <title prefix> <id> <n>  chooses entry n of a combo box, as the user does
//   winctl rect <title prefix> [<id>]    prints the outer rectangle of that window (or of its
//                                        control): left top width height, in screen pixels
//   winctl rect class=<class>            the same for the top-level window of that class
//   winctl key <class> <virtual key>     presses a key in the top-level window of that class
//   winctl contrast <title prefix>       tells that window's windows that high contrast is
//                                        on, as the program's main window does when the
//                                        system says so (Wine always reports it off)
// Exit code 0 on success, 1 when the window was not found in time.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/high_contrast_win32.h"

namespace {

BOOL CALLBACK TellContrastOn(HWND window, LPARAM) {
  SendMessageA(window, ContrastMessage(), 1, 0);
  return TRUE;
}

struct Find {
  const char* prefix;
  bool exact;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  Find* find = reinterpret_cast<Find*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof(title));
  const bool match = find->exact
                         ? std::strcmp(title, find->prefix) == 0
                         : std::strncmp(title, find->prefix, std::strlen(find->prefix)) == 0;
  if (match && IsWindowVisible(window)) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevel(const char* prefix, bool exact) {
  Find find = {prefix, exact, nullptr};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND WaitFor(const char* prefix, bool exact, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindTopLevel(prefix, exact);
    if (window != nullptr || GetTickCount() - start > ms)
      return window;
    Sleep(50);
  }
}

struct ChildFind {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM data) {
  ChildFind* find = reinterpret_cast<ChildFind*>(data);
  if (GetDlgCtrlID(window) == find->id && IsWindowVisible(window)) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchTabControl(HWND window, LPARAM data) {
  ChildFind* find = reinterpret_cast<ChildFind*>(data);
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  if (std::strcmp(name, WC_TABCONTROLA) == 0) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindControl(HWND window, int id) {
  ChildFind find = {id, nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  const std::string verb = argv[1];
  const DWORD ms = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 10000;
  if (verb == "wait")
    return WaitFor(argv[2], false, ms) != nullptr ? 0 : 1;
  if (verb == "dismiss") {
    int answered = 0;
    for (;;) {
      HWND box = WaitFor(argv[2], true, ms);
      if (box == nullptr)
        break;
      SendMessageA(box, WM_COMMAND, IDOK, 0);
      ++answered;
      Sleep(200);
    }
    return answered > 0 ? 0 : 1;
  }
  if (verb == "close") {
    HWND window = WaitFor(argv[2], false, ms);
    if (window == nullptr)
      return 1;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  if (verb == "click" && argc > 3) {
    HWND window = WaitFor(argv[2], false, 10000);
    if (window == nullptr)
      return 1;
    HWND control = FindControl(window, std::atoi(argv[3]));
    if (control == nullptr)
      return 1;
    SendMessageA(control, BM_CLICK, 0, 0);
    return 0;
  }
  if (verb == "tab" && argc > 3) {
    HWND window = WaitFor(argv[2], false, 10000);
    if (window == nullptr)
      return 1;
    ChildFind find = {0, nullptr};
    EnumChildWindows(window, MatchTabControl, reinterpret_cast<LPARAM>(&find));
    if (find.found == nullptr)
      return 1;
    // Moving the focus of a tab control without TCS_BUTTONS selects that tab and
    // notifies the owner as a click does (selection changing, then changed).
    SendMessageA(find.found, TCM_SETCURFOCUS, std::atoi(argv[3]), 0);
    return 0;
  }
  if (verb == "select" && argc > 4) {
    HWND window = WaitFor(argv[2], false, 10000);
    if (window == nullptr)
      return 1;
    const int id = std::atoi(argv[3]);
    HWND combo = FindControl(window, id);
    if (combo == nullptr)
      return 1;
    if (SendMessageA(combo, CB_SETCURSEL, std::atoi(argv[4]), 0) == CB_ERR)
      return 1;
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return 0;
  }
  if (verb == "rect") {
    const char* name = argv[2];
    HWND window = std::strncmp(name, "class=", 6) == 0 ? FindWindowA(name + 6, nullptr)
                                                       : WaitFor(name, false, 10000);
    if (window != nullptr && argc > 3)
      window = FindControl(window, std::atoi(argv[3]));
    if (window == nullptr)
      return 1;
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return 0;
  }
  if (verb == "key" && argc > 3) {
    HWND window = FindWindowA(argv[2], nullptr);
    if (window == nullptr || !IsWindowVisible(window))
      return 1;
    PostMessageA(window, WM_KEYDOWN, std::atoi(argv[3]), 1);
    return 0;
  }
  if (verb == "contrast") {
    HWND window = WaitFor(argv[2], false, 10000);
    if (window == nullptr)
      return 1;
    EnumChildWindows(window, TellContrastOn, 0);
    return 0;
  }
  return 2;
}
