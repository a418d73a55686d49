// The countdown's time over the whole screen: a time display with a notice
// label at the top right and start and close buttons at the top left. Enter,
// Esc, Space and the buttons are passed to the owner (the timer page) as
// posted messages; the owner decides what happens.
#pragma once

#include <windows.h>

#include "display/time_display_window_win32.h"

class MaxDisplayWindow : public TimeDisplayWindow {
 public:
  MaxDisplayWindow(const SettingsFile& settings, MonotonicClock& clock);
  ~MaxDisplayWindow() override;

  // As the base, and on first creation also the hidden label and buttons.
  // notifyWindow receives WM_MIPO_MAXDISPLAY_KEY and the button messages.
  HWND Create(HINSTANCE instance, HWND parent, HWND notifyWindow, DWORD style, int x, int y,
              int width, int height, const char* fontName);

  // Shows or hides the label and both buttons.
  void ShowControls(int command);
  // Shows or hides the label alone.
  void ShowLabel(int command);
  // Sets the label's text and shows it, an empty text included.
  void SetLabelText(const char* text);
  // The colour the label's text is drawn in.
  void SetLabelColor(COLORREF color);

  HWND LabelWindow() const { return labelWindow_; }
  HWND StartButton() const { return startButton_; }
  HWND CloseButton() const { return closeButton_; }

 protected:
  // The notice is read after the time while the label shows.
  void NameLabel(char* out, std::size_t outSize) const override;
  bool OnKeyDown(WPARAM key, LPARAM flags) override;
  bool OnLButtonDown(WPARAM keys, LPARAM point) override;
  void OnWindowDestroyed() override;
  void LayOut() override;
  void PlaceAfterDpiChange(const RECT& suggested) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void CreateControls(HINSTANCE instance);
  void ReleaseControls(bool destroyWindows);

  COLORREF labelColor_;
  HWND labelWindow_;
  HWND startButton_;
  HWND closeButton_;
  HFONT labelFont_;
  HWND notifyWindow_;
  int labelFontDpi_ = 0;
};
