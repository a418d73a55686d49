// A small helper for scripts that drive the program on a virtual display:
//   winctl wait <title prefix> <ms>      waits until a top-level window's title starts so
//   winctl dismiss <caption> <ms>        answers message boxes with that caption with OK
//                                        until none has appeared for <ms>
//   winctl close <title prefix>          asks that window to close, as its close box does
//   winctl click <title prefix> <id>     clicks a control of that window (or its child dialogs)
// Exit code 0 on success, 1 when the window was not found in time.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Find {
  const char* prefix;
  bool exact;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  Find* find = reinterpret_cast<Find*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof(title));
  const bool match = find->exact ? std::strcmp(title, find->prefix) == 0
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
    if (window != nullptr || GetTickCount() - start > ms) return window;
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string verb = argv[1];
  const DWORD ms = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 10000;
  if (verb == "wait") return WaitFor(argv[2], false, ms) != nullptr ? 0 : 1;
  if (verb == "dismiss") {
    int answered = 0;
    for (;;) {
      HWND box = WaitFor(argv[2], true, ms);
      if (box == nullptr) break;
      SendMessageA(box, WM_COMMAND, IDOK, 0);
      ++answered;
      Sleep(200);
    }
    return answered > 0 ? 0 : 1;
  }
  if (verb == "close") {
    HWND window = WaitFor(argv[2], false, ms);
    if (window == nullptr) return 1;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  if (verb == "click" && argc > 3) {
    HWND window = WaitFor(argv[2], false, 10000);
    if (window == nullptr) return 1;
    ChildFind find = {std::atoi(argv[3]), nullptr};
    EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&find));
    if (find.found == nullptr) return 1;
    SendMessageA(find.found, BM_CLICK, 0, 0);
    return 0;
  }
  return 2;
}
