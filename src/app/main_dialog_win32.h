// The program's one top-level window: three tabs, their status bars, the
// "in front" switch, placement and first-run notices.
#pragma once

#include <windows.h>

class Application;

// Texts the main dialog shows.
extern const char* const kMainTitles[3];
extern const char* const kTabTexts[3];
extern const char* const kFirstRunCaption;
extern const char* const kFirstRunNotices[3];

class MainDialog {
 public:
  explicit MainDialog(Application& app) : app_(app) {}
  MainDialog(const MainDialog&) = delete;
  MainDialog& operator=(const MainDialog&) = delete;

  // The program's modal run; returns the dialog's result.
  INT_PTR RunModal(HINSTANCE instance);
  // The same dialog, modeless, for tests that drive it message by message.
  HWND CreateModeless(HINSTANCE instance);

  HWND Window() const { return window_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog();
  void OnRestorePlacement();
  void OnAfterShow();
  void OnSelectionChanging();
  void OnSelectionChanged();
  void OnFrontSwitch();
  void OnSize(int clientWidth, int clientHeight);
  void OnGetMinMaxInfo(MINMAXINFO* info);
  void OnExitSizeMove();
  void OnDestroy();

  HWND Tab() const;
  int TabHeaderHeight() const;
  int StatusBarHeight() const;
  void OpenPage(int page);
  void CentreWindow();

  Application& app_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  bool showingNotices_ = false;
};

// The main dialog handle of this process, set first thing at initialisation.
HWND MainDialogHandle();
