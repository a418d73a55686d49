// The display as accessibility clients and high contrast see it: its name is
// the text it shows, announced at a pace a listener can follow, and under high
// contrast it draws in the system's window colours instead of its own.
#include <cstring>

#include "display/display_name.h"
#include "display/time_display_window_win32.h"
#include "ui/high_contrast_win32.h"
#include "ui/static_text_accessible_win32.h"

void TimeDisplayWindow::AnnounceName() {
  if (Window() == nullptr)
    return;
  namePacer_.Announced(Text(), clock_.NowUnits());
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Window(), OBJID_CLIENT, CHILDID_SELF);
}

void TimeDisplayWindow::PaceNameChange() {
  if (Window() != nullptr && namePacer_.ShouldAnnounce(Text(), clock_.NowUnits()))
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Window(), OBJID_CLIENT, CHILDID_SELF);
}

void TimeDisplayWindow::ComposeName(char* out, std::size_t outSize) const {
  char label[display::kDisplayNameSize] = {};
  NameLabel(label, sizeof label);
  display::ComposeDisplayName(Text(), label, out, outSize);
}

COLORREF TimeDisplayWindow::TextColor() const {
  return highContrast_ ? GetSysColor(COLOR_WINDOWTEXT) : fontRecord_.textColor;
}

COLORREF TimeDisplayWindow::BackgroundColor() const {
  return highContrast_ ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 255);
}

void TimeDisplayWindow::FollowContrast(bool on) {
  highContrast_ = on;
  if (backgroundDC_ == nullptr)
    return;
  // The background is prepared once per colour scheme, not per update.
  HBRUSH brush = CreateSolidBrush(BackgroundColor());
  FillRect(backgroundDC_, &clientRect_, brush);
  DeleteObject(brush);
  Draw();
  if (Window() != nullptr)
    InvalidateRect(Window(), nullptr, FALSE);
}

bool TimeDisplayWindow::AnswerAccessibility(UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT* result) {
  if (message == ContrastMessage()) {
    FollowContrast(wParam != 0);
    *result = 0;
    return true;
  }
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      char name[display::kDisplayNameSize];
      ComposeName(name, sizeof name);
      *result = static_cast<LRESULT>(
          message == WM_GETTEXTLENGTH
              ? std::strlen(name)
              : display::CopyNameForCaller(name, reinterpret_cast<char*>(lParam),
                                           static_cast<std::size_t>(wParam)));
      return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      showFocus_ =
          message == WM_SETFOCUS && (GetWindowLongA(Window(), GWL_STYLE) & WS_TABSTOP) != 0;
      Draw();
      return false;
    case WM_GETOBJECT:
      return AnswerAsStaticText(Window(), wParam, lParam, result);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // Heard directly only by the full-screen display, a top-level window.
      // A new colour scheme repaints the background; other settings only
      // matter when they switch high contrast.
      if (message == WM_SYSCOLORCHANGE || SystemHighContrast() != highContrast_)
        FollowContrast(SystemHighContrast());
      return false;
    default:
      return false;
  }
}

bool TimeDisplayWindow::OnContextMenu(HWND, LPARAM screenPoint) {
  // The context-menu key and Shift+F10 choose the font as a right click does;
  // a right click has already opened the dialog on its way down.
  if (screenPoint != -1)
    return false;
  ChooseDisplayFont();
  return true;
}

void TimeDisplayWindow::SetUpAccess() {
  highContrast_ = SystemHighContrast();
  // A page's display is the first stop of the page's Tab order, so the time
  // can be read and its font chosen from the keyboard.
  if ((GetWindowLongA(Window(), GWL_STYLE) & WS_CHILD) == 0)
    return;
  SetWindowLongA(Window(), GWL_STYLE, GetWindowLongA(Window(), GWL_STYLE) | WS_TABSTOP);
  SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
