#include "stopwatch/stopwatch_page_win32.h"

#include "stopwatch/stopwatch_dialog_ids.h"
#include "settings/profile_win32.h"

StopwatchPage::StopwatchPage() { EnsureSettingsPath(); }

StopwatchPage::~StopwatchPage() = default;

int StopwatchPage::Open(HWND parent, HWND statusBar, int tabHeaderHeight) {
  if (pageWindow_ == nullptr) {
    statusBar_ = statusBar;
    tabHeaderHeight_ = tabHeaderHeight;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_STOPWATCH_PAGE), parent, DialogProc,
                       reinterpret_cast<LPARAM>(this));
  }
  Show(SW_SHOW);
  return 0;
}

void StopwatchPage::Show(int command) {
  if (statusBar_ != nullptr) ShowWindow(statusBar_, command);
  if (pageWindow_ != nullptr) ShowWindow(pageWindow_, command);
}

void StopwatchPage::Resize(int width, int height) {
  if (pageWindow_ == nullptr) return;
  SetWindowPos(pageWindow_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

HWND StopwatchPage::StartButton() const { return pageWindow_ ? GetDlgItem(pageWindow_, IDC_SW_START) : nullptr; }

void StopwatchPage::InitPage(HWND window) {
  pageWindow_ = window;
  HWND parent = GetParent(window);
  RECT client = {};
  GetClientRect(parent, &client);
  RECT bar = {};
  if (statusBar_ != nullptr) GetWindowRect(statusBar_, &bar);
  SetWindowPos(window, nullptr, 8, tabHeaderHeight_ + 4, client.right - 20,
               client.bottom - (bar.bottom - bar.top) - tabHeaderHeight_ - 10, SWP_NOZORDER);
}

INT_PTR CALLBACK StopwatchPage::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
    reinterpret_cast<StopwatchPage*>(lParam)->InitPage(window);
  }
  return FALSE;
}
