// The countdown's full-screen display as its engine sees it. The window is made
// the first time a run asks for it, over the monitor that holds most of the main
// window, as a pop-up of the timer page, which it tells of its keys and buttons.
#pragma once

#include <windows.h>

#include "display/max_display_window_win32.h"
#include "display/monitors_win32.h"
#include "settings/settings_file_win32.h"
#include "timer/timer_engine.h"
#include "ui/dialog_win32.h"

class MaxDisplayPort : public timer::MaxDisplay {
 public:
  // settings: where the display's font file lies; clock: what paces its
  // announcements; monitors: where the main window is; page: the timer page,
  // which owns the window. All must outlive the port.
  MaxDisplayPort(const SettingsFile& settings, MonotonicClock& clock, MonitorLookup& monitors,
                 const MessageTarget& page);

  void Open() override;
  bool IsVisible() override;
  void ShowText(const char* text) override;
  void Show(bool visible) override;
  void ShowControls(bool visible) override;
  void ShowLabel() override;
  void SetLabelText(const char* text) override;
  void SetLabelColor(unsigned long rgb) override;

  // Tells accessibility clients the time it shows, at once.
  void AnnounceName() { display_.AnnounceName(); }
  const MaxDisplayWindow& Display() const { return display_; }

 private:
  MonitorLookup& monitors_;
  const MessageTarget& page_;
  MaxDisplayWindow display_;
};
