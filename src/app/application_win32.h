// The object that owns the three pages for the whole run.
#pragma once

#include <windows.h>

#include "base/clock_win32.h"
#include "base/sleep_aware_clock.h"
#include "base/tick_source_win32.h"
#include "bell/bell_device_win32.h"
#include "desktop/attention_win32.h"
#include "desktop/desktop_presence.h"
#include "desktop/document_opener_win32.h"
#include "desktop/notification_area_win32.h"
#include "desktop/taskbar_list_win32.h"
#include "display/monitors_win32.h"
#include "settings/file_chooser_win32.h"
#include "settings/settings_file_win32.h"
#include "ui/message_box_win32.h"
#include "ui/messages.h"
#include "settings_page/settings_page_win32.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "timer/timer_page_win32.h"

class Application {
 public:
  // Pages are built in tab order, on the program's own settings file.
  Application();
  // The same on another settings file, other clocks and other message boxes
  // (tests give a folder of their own, clocks they move and boxes they read):
  // fineClock counts while the machine is awake, coarseClock goes on through
  // sleep. All must outlive the object.
  Application(const SettingsFile& settingsFile, MonotonicClock& fineClock,
              MonotonicClock& coarseClock, MessageBoxes& boxes);
  // Pages go in reverse order: settings, timer, stopwatch (member order does it).
  ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Runs the main dialog modally with the desktop as owner; always returns 0.
  int RunMainDialog(HINSTANCE instance);

  // What the main window works with (tests reach the pages here too): the
  // settings file, the three pages and the platform services it uses itself.
  const SettingsFile& Settings() const { return settings_; }
  StopwatchPage& Stopwatch() { return stopwatchPage_; }
  TimerPage& Timer() { return timerPage_; }
  SettingsPage& SettingsTab() { return settingsPage_; }
  struct WindowServices {
    TaskbarList& taskbar;
    WindowAttention& attention;
    ShellNotificationIcon& notificationIcon;
    desktop::DesktopPresence& presence;
    DocumentOpener& documents;
    MessageBoxes& messageBoxes;
    // Each bound to its page's window when the main dialog opens the page.
    MultimediaTickSource& stopwatchTicks;
    MultimediaTickSource& timerTicks;
  };
  WindowServices Services() {
    return {taskbar_,   attention_,    notificationIcon_, presence_,
            documents_, messageBoxes_, stopwatchTicks_,   timerTicks_};
  }

 private:
  // Data.ini, found once and handed to everything that reads or writes it.
  SettingsFile settings_;
  // The platform's services, made before the pages that use them and released
  // after them (member order).
  SystemMessageBoxes systemMessageBoxes_;
  MessageBoxes& messageBoxes_;  // every box the program shows
  SystemFileChooser fileChooser_;
  SystemLocalClock localClock_;
  // Real ticks arrive late, in bursts or not at all when the machine is busy
  // or asleep, so both watches count against a clock: the performance counter,
  // with the time slept added from the tick count, which goes on through sleep.
  PerformanceCounterClock counterClock_;
  TickCountClock tickCountClock_;
  SleepAwareClock runClock_;
  MultimediaTickSource stopwatchTicks_{WM_MIPO_STOPWATCH_TICK};
  MultimediaTickSource timerTicks_{WM_MIPO_TIMER_TICK};
  PresetNameDialogAsker presetNames_{messageBoxes_};
  MciBellDevice bellDevice_;
  SystemMonitors monitors_;
  ShellDocumentOpener documents_;
  // The taskbar button, the awake request, the call for attention and the
  // notification area's icon, told by the pages what they do; bound to the
  // main window as it is created.
  TaskbarList taskbar_;
  ThreadAwakeRequest awake_;
  WindowAttention attention_;
  ShellNotificationIcon notificationIcon_;
  desktop::DesktopPresence presence_{taskbar_, awake_, attention_, notificationIcon_};

  StopwatchPage stopwatchPage_;
  TimerPage timerPage_;
  SettingsPage settingsPage_;
};
