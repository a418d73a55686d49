#include "app/page_placement_win32.h"

#include "app/window_layout.h"

void PlacePageInMainDialog(HWND page, HWND statusBar, int tabHeaderHeight) {
  RECT client = {};
  GetClientRect(GetParent(page), &client);
  RECT bar = {};
  if (statusBar != nullptr)
    GetWindowRect(statusBar, &bar);
  const Rect place = PageRect(client.right - client.left, client.bottom - client.top,
                              tabHeaderHeight, bar.bottom - bar.top);
  SetWindowPos(page, nullptr, place.left, place.top, place.Width(), place.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}
