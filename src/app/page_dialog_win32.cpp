#include "app/page_dialog_win32.h"

#include "app/window_layout.h"

HWND CreatePageDialog(HWND parent, int resourceId, DLGPROC procedure, void* page) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), parent, procedure,
                            reinterpret_cast<LPARAM>(page));
}

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
