#include "timer/max_display_port_win32.h"

#include "display/font_record.h"

MaxDisplayPort::MaxDisplayPort(const SettingsFile& settings, MonotonicClock& clock,
                               MonitorLookup& monitors, const MessageTarget& page)
    : monitors_(monitors), page_(page), display_(settings, clock) {}

// The monitor that holds most of the main window; with one monitor that is
// the whole screen at 0, 0. An existing display moves there too, since the
// window may have been moved since it was made (it lays out its own controls).
void MaxDisplayPort::Open() {
  HWND page = page_.Window();
  const RECT area = monitors_.AreaOf(GetAncestor(page, GA_ROOT));
  const bool existed = display_.Window() != nullptr;
  display_.Create(GetModuleHandleA(nullptr), page, page, WS_POPUP, area.left, area.top,
                  area.right - area.left, area.bottom - area.top, display::kFullScreenFontName);
  if (!existed)
    return;
  SetWindowPos(display_.Window(), nullptr, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MaxDisplayPort::IsVisible() {
  return display_.IsVisible() != FALSE;
}

void MaxDisplayPort::ShowText(const char* text) {
  display_.ShowText(text);
}

void MaxDisplayPort::Show(bool visible) {
  display_.Show(visible ? SW_SHOW : SW_HIDE);
}

void MaxDisplayPort::ShowControls(bool visible) {
  display_.ShowControls(visible ? SW_SHOW : SW_HIDE);
}

void MaxDisplayPort::ShowLabel() {
  display_.ShowLabel(SW_SHOW);
}

void MaxDisplayPort::SetLabelText(const char* text) {
  display_.SetLabelText(text);
}

void MaxDisplayPort::SetLabelColor(unsigned long rgb) {
  display_.SetLabelColor(static_cast<COLORREF>(rgb));
}
