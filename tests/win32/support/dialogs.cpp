#include "dialogs.h"

#include <cstring>
#include <utility>

namespace testing_support {

bool IsDialog(HWND window) {
  char cls[16] = {};
  GetClassNameA(window, cls, sizeof cls);
  return std::strcmp(cls, "#32770") == 0;
}

bool IsMessageBox(HWND window) {
  return IsDialog(window) && GetDlgItem(window, 0xFFFF) != nullptr &&
         FindWindowExA(window, nullptr, "Edit", nullptr) == nullptr;
}

namespace {

struct Search {
  const std::function<bool(HWND)>* match;
  DWORD process;  // 0: the windows enumerated are all of the one thread
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  Search* search = reinterpret_cast<Search*>(data);
  if (search->process != 0) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process)
      return TRUE;
  }
  if (!IsDialog(window) || !IsWindowVisible(window) || !(*search->match)(window))
    return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK Cancel(HWND window, LPARAM) {
  if (IsDialog(window))
    PostClick(window, IDCANCEL);
  return TRUE;
}

// The one script playing now; the timer's procedure finds it here.
ModalScript* g_script = nullptr;

}  // namespace

HWND FindDialog(DWORD thread, const std::function<bool(HWND)>& match) {
  Search search = {&match, 0, nullptr};
  EnumThreadWindows(thread, Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProcessDialog(DWORD process, const std::function<bool(HWND)>& match) {
  Search search = {&match, process, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

ModalScript::ModalScript(std::vector<Step> steps, DWORD limitMs)
    : steps_(std::move(steps)),
      started_(GetTickCount()),
      limitMs_(limitMs),
      timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Fire)) {
  g_script = this;
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  g_script = nullptr;
}

void CALLBACK ModalScript::Fire(HWND, UINT, UINT_PTR, DWORD) {
  if (g_script != nullptr && !g_script->playing_)
    g_script->Play();
}

void ModalScript::Play() {
  if (gaveUp_ || Done())
    return;
  if (GetTickCount() - started_ > limitMs_) {
    gaveUp_ = true;
    EnumThreadWindows(GetCurrentThreadId(), Cancel, 0);
    return;
  }
  playing_ = true;
  if (steps_[next_]())
    ++next_;
  playing_ = false;
}

ModalScript::Step WhenDialog(std::function<bool(HWND)> match, std::function<void(HWND)> found) {
  return [match, found] {
    HWND dialog = FindDialog(GetCurrentThreadId(), match);
    if (dialog == nullptr)
      return false;
    found(dialog);
    return true;
  };
}

ModalScript::Step WhenMenu(std::function<void(HWND, const RECT&)> found) {
  return [found] {
    HWND menu = FindWindowA("#32768", nullptr);
    RECT placed = {};
    if (menu == nullptr || !IsWindowVisible(menu) || !GetWindowRect(menu, &placed))
      return false;
    found(menu, placed);
    return true;
  };
}

}  // namespace testing_support
