// The settings tab: the start-at-last-tab switch, the stopwatch's three trigger
// methods and the timer's bell file, loaded from Data.ini when the page is
// created and saved when the user leaves the tab or the page is destroyed.
#pragma once

#include <windows.h>

// The modal dialogs the page opens. Tests put recorders in their place, so that
// no modal loop has to be answered.
struct SettingsPageDialogs {
  int (*messageBox)(HWND owner, const char* text, const char* caption, UINT type);
  bool (*chooseFile)(HWND owner, char* fileName, DWORD fileNameSize, const char* filter);
};

// The platform's message box and the file helper's open-file chooser.
SettingsPageDialogs PlatformSettingsPageDialogs();

class SettingsPage {
 public:
  SettingsPage();
  ~SettingsPage();
  SettingsPage(const SettingsPage&) = delete;
  SettingsPage& operator=(const SettingsPage&) = delete;

  // Creates the page's child dialog on the first call, then shows the page.
  // Returns 1 when the page exists afterwards.
  int Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  // Shows or hides the page and its status bar together; showing also puts the
  // page's notice into the status bar.
  void Show(int command);
  void Resize(int width, int height);
  HWND StartButton() const { return nullptr; }  // the settings tab has none
  HWND Window() const { return pageWindow_; }
  // Writes the controls' values to Data.ini; does nothing while the page does
  // not exist, so a page never opened leaves the stored values alone.
  void SaveSettings();

  void SetDialogs(const SettingsPageDialogs& dialogs) { dialogs_ = dialogs; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam);
  void InitPage(HWND window);
  void OnDestroy();
  bool OnCommand(int id);
  void Browse();
  void FillWayList(int id, const char* key);
  void SetNotice();

  HWND pageWindow_;
  HWND statusBar_;
  int tabHeaderHeight_;
  SettingsPageDialogs dialogs_;
};
