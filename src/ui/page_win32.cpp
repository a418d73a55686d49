#include "ui/page_win32.h"

#include <commctrl.h>

bool Page::Open(HWND parent, HWND statusBar, int tabHeaderHeight) {
  if (Window() == nullptr) {
    statusBar_ = statusBar;
    tabHeaderHeight_ = tabHeaderHeight;
    BeforeCreate();
    // The main dialog's module holds the page templates, also when the main
    // dialog was made by a test program.
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (CreateModeless(instance, templateId_, parent) == nullptr)
      return false;
    Show(SW_SHOW);
    AfterCreate();
    return Window() != nullptr;
  }
  Show(SW_SHOW);
  return true;
}

void Page::Show(int command) {
  BeforeShow(command);
  if (statusBar_ != nullptr)
    ShowWindow(statusBar_, command);
  if (Window() != nullptr)
    ShowWindow(Window(), command);
}

void Page::Place(const Rect& place) {
  if (Window() == nullptr)
    return;
  SetWindowPos(Window(), nullptr, place.left, place.top, place.Width(), place.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Page::SetStatusText(const char* text) {
  if (statusBar_ != nullptr)
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

bool Page::OnInitDialog() {
  PlaceAtOpen();
  OnInitPage();
  return false;
}

void Page::PlaceAtOpen() {
  RECT client = {};
  GetClientRect(GetParent(Window()), &client);
  RECT bar = {};
  if (statusBar_ != nullptr)
    GetWindowRect(statusBar_, &bar);
  Place(PageRect(client.right - client.left, client.bottom - client.top, tabHeaderHeight_,
                 bar.bottom - bar.top, Dpi()));
}
