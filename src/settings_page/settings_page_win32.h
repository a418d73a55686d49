// The settings tab: the start-at-last-tab switch, the stopwatch's three trigger
// methods, the timer's bell file and the notification area switch, loaded from
// Data.ini when the page is created and saved when the user leaves the tab or
// the page is destroyed.
#pragma once

#include <windows.h>

#include "desktop/desktop_presence.h"
#include "settings/file_chooser_win32.h"
#include "settings/settings_file_win32.h"
#include "ui/message_box_win32.h"
#include "ui/page_win32.h"

class SettingsPage : public Page {
 public:
  // The message box that refuses a bell file and the chooser behind 参照; the
  // program passes the platform's, tests recorders. activity hears the
  // notification area switch the moment it is clicked (by default nobody).
  SettingsPage(const SettingsFile& settings, MessageBoxes& boxes, FileChooser& chooser,
               desktop::ActivityReport& activity = desktop::UnheardActivity());

  // Writes the controls' values to Data.ini; does nothing while the page does
  // not exist, so a page never opened leaves the stored values alone.
  void SaveSettings();

 private:
  void OnInitPage() override;
  void BeforeShow(int command) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnDestroy() override;

  void Browse();
  void FillTriggerMethodList(int id, int stored);

  const SettingsFile& settings_;
  MessageBoxes& boxes_;
  FileChooser& chooser_;
  desktop::ActivityReport& activity_;
};
