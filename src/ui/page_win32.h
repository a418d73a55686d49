// What every tab page has: a modeless child dialog inside the main dialog,
// created the first time its tab is chosen and then only shown and hidden (so a
// running watch goes on behind another tab), and a status bar of its own that
// is shown and hidden with it.
#pragma once

#include <windows.h>

#include "ui/dialog_win32.h"
#include "ui/page_layout.h"

class Page : public Dialog {
 public:
  explicit Page(int templateId) : templateId_(templateId) {}

  // Creates the page's dialog in parent on the first call, then shows the
  // page. Returns whether the page's window exists afterwards.
  bool Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  // Shows or hides the page and its status bar together (SW_SHOW, SW_HIDE).
  void Show(int command);
  // Puts the page's dialog at place in the main dialog's client area, as the
  // main dialog lays itself out; a page not made yet ignores it.
  void Place(const Rect& place);
  // The button whose bottom edge decides the main window's least height; null
  // for a page without one.
  virtual HWND StartButton() const { return nullptr; }

 protected:
  // The page's controls exist; called from OnInitDialog after placing it.
  virtual void OnInitPage() {}
  // Around the first creation, for work that needs the window to exist (or
  // must happen before it does).
  virtual void BeforeCreate() {}
  virtual void AfterCreate() {}
  // Called before the page and its status bar are shown or hidden.
  virtual void BeforeShow(int /*command*/) {}

  // Part 0 of the page's status bar.
  void SetStatusText(const char* text);
  HWND StatusBar() const { return statusBar_; }

 private:
  // Places the page and hands over to OnInitPage; the tab control keeps the
  // focus, so the page does not take it.
  bool OnInitDialog() final;
  // At (8, tab header + 4) in the main dialog, sized to its client area.
  void PlaceAtOpen();

  int templateId_;
  HWND statusBar_ = nullptr;
  int tabHeaderHeight_ = 0;
};
