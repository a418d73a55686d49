#include "timer/timer_page_win32.h"

#include "timer/timer_dialog_ids.h"
#include "settings/profile_win32.h"

TimerPage::TimerPage() { EnsureSettingsPath(); }

TimerPage::~TimerPage() = default;

int TimerPage::Open(HWND parent, HWND statusBar, int tabHeaderHeight) {
  if (pageWindow_ == nullptr) {
    statusBar_ = statusBar;
    tabHeaderHeight_ = tabHeaderHeight;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_TIMER_PAGE), parent, DialogProc,
                       reinterpret_cast<LPARAM>(this));
  }
  Show(SW_SHOW);
  return 0;
}

void TimerPage::Show(int command) {
  if (statusBar_ != nullptr) ShowWindow(statusBar_, command);
  if (pageWindow_ != nullptr) ShowWindow(pageWindow_, command);
}

void TimerPage::Resize(int width, int height) {
  if (pageWindow_ == nullptr) return;
  SetWindowPos(pageWindow_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

HWND TimerPage::StartButton() const { return pageWindow_ ? GetDlgItem(pageWindow_, IDC_TM_START) : nullptr; }

void TimerPage::InitPage(HWND window) {
  pageWindow_ = window;
  HWND parent = GetParent(window);
  RECT client = {};
  GetClientRect(parent, &client);
  RECT bar = {};
  if (statusBar_ != nullptr) GetWindowRect(statusBar_, &bar);
  SetWindowPos(window, nullptr, 8, tabHeaderHeight_ + 4, client.right - 20,
               client.bottom - (bar.bottom - bar.top) - tabHeaderHeight_ - 10, SWP_NOZORDER);
}

INT_PTR CALLBACK TimerPage::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
    reinterpret_cast<TimerPage*>(lParam)->InitPage(window);
  }
  return FALSE;
}
