// A small window that shows one line of text (the running time) centred in a
// font and colour the user picks with a right click. Every update is composed
// on an off-screen bitmap and copied to the window in one piece, so the time
// never flickers. The font and colour persist in a 64-byte font file beside
// Data.ini, read when the window is created and written when it is destroyed.
#pragma once

#include <windows.h>

#include <cstddef>

#include "base/clock.h"
#include "display/display_name.h"
#include "display/font_record.h"
#include "settings/settings_file_win32.h"
#include "ui/dialog_win32.h"

class TimeDisplayWindow : public WindowObject {
 public:
  // The font file lies beside settings; announcements are paced by clock
  // (which must outlive the display).
  TimeDisplayWindow(const SettingsFile& settings, MonotonicClock& clock);
  ~TimeDisplayWindow() override;

  // Creates the window (hidden unless style says otherwise), its font and its
  // drawing surface; fontName names the font file in the folder of Data.ini.
  // Once the window exists, later calls only show it and return it. Returns
  // null when the window cannot be made.
  HWND Create(HINSTANCE instance, HWND parent, DWORD style, int x, int y, int width, int height,
              const char* fontName);

  // Keeps the text (at most 31 bytes, never half a double-byte character) and
  // draws it centred at once.
  void ShowText(const char* text);
  BOOL Show(int command);
  BOOL IsVisible();
  // Opens the font dialog for this display; OK applies the choice at once.
  void ChooseDisplayFont();
  // What OK in the font dialog does: take the font and colour, rebuild the
  // font and redraw the current text. The record is written to the font file
  // when the window is destroyed.
  void ApplyFontChoice(const LOGFONTA& logFont, COLORREF textColor);

  // Tells accessibility clients at once that the name (the text shown)
  // changed: for the moments a run comes to rest, so the final time is heard.
  // While the text changes it is announced at a gentler pace by itself.
  void AnnounceName();
  bool HighContrast() const { return highContrast_; }
  // The font the time is drawn in (null before creation).
  HFONT DrawingFont() const { return font_; }

  const char* Text() const { return text_; }
  const char* FontFilePath() const { return fontFilePath_; }
  // At the system's dots per inch, as the font file holds it.
  const display::FontRecord& Record() const { return fontRecord_; }

 protected:
  // The window is going away (with its parent or owner, or from the
  // destructor); a derived class forgets the child windows it made.
  virtual void OnWindowDestroyed() {}
  // Text read after the time in the display's name; none by default.
  virtual void NameLabel(char* out, std::size_t /*outSize*/) const { out[0] = '\0'; }
  // The display's one layout, from its client size and Dpi(), run when either
  // changes: a surface of the client's size, the font made for the dpi from
  // the record's size in points, the time drawn again. The owner places the
  // window; a derived class lays out its own controls after this.
  virtual void LayOut();

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  const SettingsFile& settings_;

 private:
  void OnPaint() override;
  bool OnRButtonDown(WPARAM keys, LPARAM point) override;
  void OnSize(UINT type, int width, int height) override;
  void OnDpiChanged(int newDpi, int oldDpi) override;
  void OnDestroy() override;
  void OnNcDestroy() override;

  bool LoadFontRecord();
  // font_ made anew from the record at Dpi().
  void RemakeFont();
  void SaveFontRecord();
  bool BuildSurface();
  void ClearDrawing();
  void Draw();
  // The device contexts and bitmaps of the off-screen drawing; the surface is
  // those and the font.
  void ReleaseDrawing();
  void ReleaseSurface();

  // The name, its announcements and high contrast.
  bool AnswerAccessibility(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  bool OnContextMenu(HWND source, LPARAM screenPoint) override;
  // At creation: reads high contrast, and makes a page's display a tab stop.
  void SetUpAccess();
  void PaceNameChange();
  void ComposeName(char* out, std::size_t outSize) const;
  void FollowContrast(bool on);
  COLORREF TextColor() const;
  COLORREF BackgroundColor() const;

  RECT clientRect_;
  char text_[32];
  char fontFilePath_[kPathBufferSize];
  HFONT font_;
  HGDIOBJ savedFont_;
  HDC windowDC_;
  HDC memoryDC_;
  HGDIOBJ savedBitmap_;
  // Holds backgroundBitmap_ for the whole life of the surface, so clearing the
  // drawing is one BitBlt and no device context is made per update.
  HDC backgroundDC_;
  HGDIOBJ savedBackgroundBitmap_;
  HBITMAP backgroundBitmap_;
  HBITMAP drawingBitmap_;
  display::FontRecord fontRecord_;
  MonotonicClock& clock_;
  display::NameChangePacer namePacer_;
  bool highContrast_ = false;
  // A page's display holding the keyboard focus shows a focus frame.
  bool showFocus_ = false;
  // The dots per inch font_ was made for.
  int fontDpi_ = 0;
};
