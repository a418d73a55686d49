#include "display/time_display_window_win32.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

#include "display/font_files_win32.h"
#include "settings/path_rules.h"
#include "ui/dpi_win32.h"

// The font file is the record's memory image on the 32-bit platform; the
// portable record must line up with the SDK's LOGFONTA member by member.
static_assert(sizeof(LOGFONTA) == display::kLogFontSize, "LOGFONTA size");
static_assert(offsetof(LOGFONTA, lfHeight) == offsetof(display::LogFontData, height), "layout");
static_assert(offsetof(LOGFONTA, lfWeight) == offsetof(display::LogFontData, weight), "layout");
static_assert(offsetof(LOGFONTA, lfItalic) == offsetof(display::LogFontData, italic), "layout");
static_assert(offsetof(LOGFONTA, lfCharSet) == offsetof(display::LogFontData, charSet), "layout");
static_assert(offsetof(LOGFONTA, lfPitchAndFamily) ==
                  offsetof(display::LogFontData, pitchAndFamily),
              "layout");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(display::LogFontData, faceName), "layout");

namespace {

const char kClassName[] = "TimdDispClass";
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
const DWORD kFontDialogFlags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;

LOGFONTA ToLogFont(const display::LogFontData& data) {
  LOGFONTA logFont;
  std::memcpy(&logFont, &data, sizeof logFont);
  return logFont;
}

void RegisterDisplayClass(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kClassName, &existing))
    return;
  WNDCLASSA wc;
  std::memset(&wc, 0, sizeof wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowObject::Procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, kClassName);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

}  // namespace

TimeDisplayWindow::TimeDisplayWindow(const SettingsFile& settings, MonotonicClock& clock)
    : settings_(settings),
      font_(nullptr),
      savedFont_(nullptr),
      windowDC_(nullptr),
      memoryDC_(nullptr),
      savedBitmap_(nullptr),
      backgroundDC_(nullptr),
      savedBackgroundBitmap_(nullptr),
      backgroundBitmap_(nullptr),
      drawingBitmap_(nullptr),
      clock_(clock) {
  std::memset(&clientRect_, 0, sizeof clientRect_);
  std::memset(text_, 0, sizeof text_);
  std::memset(fontFilePath_, 0, sizeof fontFilePath_);
  std::memset(&fontRecord_, 0, sizeof fontRecord_);
}

TimeDisplayWindow::~TimeDisplayWindow() {
  // Destroying the window writes the font file and releases the surface
  // (WM_DESTROY, WM_NCDESTROY); what is left belongs to a failed creation.
  if (Window() != nullptr)
    DestroyWindow(Window());
  ReleaseSurface();
}

HWND TimeDisplayWindow::Create(HINSTANCE instance, HWND parent, DWORD style, int x, int y,
                               int width, int height, const char* fontName) {
  if (Window() != nullptr) {
    ShowWindow(Window(), SW_SHOW);
    return Window();
  }
  if (fontName == nullptr)
    fontName = "";
  // Without a settings location there is no font file either: the display
  // then runs on the default font and keeps no choice, like the settings.
  fontFilePath_[0] = '\0';
  if (settings_.Usable()) {
    display::BuildFontFilePath(settings_.Path(), fontName, fontFilePath_, sizeof fontFilePath_);
  }

  RegisterDisplayClass(instance);
  HWND window = CreateBound(WS_EX_TOOLWINDOW, kClassName, style | WS_CLIPSIBLINGS, x, y, width,
                            height, parent, instance);
  if (window == nullptr)
    return nullptr;
  GetClientRect(Window(), &clientRect_);
  SetUpAccess();

  // The record is kept at the system's dots per inch, as the font file is
  // written; the font is made for the window's own.
  if (!LoadFontRecord()) {
    fontRecord_ = display::DefaultFontRecord(fontFilePath_[0] != '\0' ? fontFilePath_ : fontName,
                                             ScreenDpi());
  }
  RemakeFont();
  BuildSurface();
  return Window();
}

bool TimeDisplayWindow::BuildSurface() {
  windowDC_ = GetDC(Window());
  if (windowDC_ == nullptr)
    return false;
  backgroundBitmap_ = CreateCompatibleBitmap(windowDC_, clientRect_.right - clientRect_.left,
                                             clientRect_.bottom - clientRect_.top);
  memoryDC_ = CreateCompatibleDC(windowDC_);
  backgroundDC_ = CreateCompatibleDC(windowDC_);
  if (backgroundBitmap_ == nullptr || memoryDC_ == nullptr || backgroundDC_ == nullptr) {
    return false;
  }
  BITMAP size;
  std::memset(&size, 0, sizeof size);
  GetObjectA(backgroundBitmap_, sizeof size, &size);
  drawingBitmap_ = CreateCompatibleBitmap(windowDC_, size.bmWidth, size.bmHeight);
  if (drawingBitmap_ == nullptr)
    return false;
  savedBitmap_ = SelectObject(memoryDC_, drawingBitmap_);
  if (font_ != nullptr)
    savedFont_ = SelectObject(memoryDC_, font_);

  // White (the system's window colour under high contrast) is the only
  // background; it is painted once and copied from then on.
  savedBackgroundBitmap_ = SelectObject(backgroundDC_, backgroundBitmap_);
  HBRUSH white = CreateSolidBrush(BackgroundColor());
  FillRect(backgroundDC_, &clientRect_, white);
  DeleteObject(white);
  ClearDrawing();
  return true;
}

void TimeDisplayWindow::ClearDrawing() {
  BITMAP size;
  std::memset(&size, 0, sizeof size);
  GetObjectA(drawingBitmap_, sizeof size, &size);
  BitBlt(memoryDC_, 0, 0, size.bmWidth, size.bmHeight, backgroundDC_, 0, 0, SRCCOPY);
}

void TimeDisplayWindow::Draw() {
  if (windowDC_ == nullptr || memoryDC_ == nullptr || drawingBitmap_ == nullptr ||
      backgroundDC_ == nullptr) {
    return;
  }
  ClearDrawing();
  SetBkMode(memoryDC_, TRANSPARENT);
  SetTextColor(memoryDC_, TextColor());
  RECT area = clientRect_;
  DrawTextA(memoryDC_, text_, static_cast<int>(std::strlen(text_)), &area, kTextFormat);
  if (showFocus_)
    DrawFocusRect(memoryDC_, &clientRect_);
  BitBlt(windowDC_, 0, 0, clientRect_.right, clientRect_.bottom, memoryDC_, 0, 0, SRCCOPY);
}

void TimeDisplayWindow::ReleaseDrawing() {
  if (memoryDC_ != nullptr) {
    if (savedBitmap_ != nullptr)
      SelectObject(memoryDC_, savedBitmap_);
    if (savedFont_ != nullptr)
      SelectObject(memoryDC_, savedFont_);
    DeleteDC(memoryDC_);
    memoryDC_ = nullptr;
  }
  savedBitmap_ = nullptr;
  savedFont_ = nullptr;
  if (backgroundDC_ != nullptr) {
    if (savedBackgroundBitmap_ != nullptr)
      SelectObject(backgroundDC_, savedBackgroundBitmap_);
    DeleteDC(backgroundDC_);
    backgroundDC_ = nullptr;
  }
  savedBackgroundBitmap_ = nullptr;
  if (windowDC_ != nullptr) {
    ReleaseDC(Window(), windowDC_);
    windowDC_ = nullptr;
  }
  if (backgroundBitmap_ != nullptr) {
    DeleteObject(backgroundBitmap_);
    backgroundBitmap_ = nullptr;
  }
  if (drawingBitmap_ != nullptr) {
    DeleteObject(drawingBitmap_);
    drawingBitmap_ = nullptr;
  }
}

void TimeDisplayWindow::ReleaseSurface() {
  ReleaseDrawing();
  if (font_ != nullptr) {
    DeleteObject(font_);
    font_ = nullptr;
  }
}

void TimeDisplayWindow::OnSize(UINT, int, int) {
  LayOut();
}

void TimeDisplayWindow::OnDpiChanged(int, int) {
  LayOut();
}

void TimeDisplayWindow::LayOut() {
  // Before creation has made the surface there is nothing to fit.
  if (memoryDC_ == nullptr)
    return;
  if (fontDpi_ != Dpi())
    RemakeFont();
  // The bitmaps are made for one size; a display moved to a screen of another
  // size gets new ones, so the time stays centred and nothing is left unpainted.
  RECT client = {};
  GetClientRect(Window(), &client);
  if (client.right != clientRect_.right || client.bottom != clientRect_.bottom) {
    ReleaseDrawing();
    clientRect_ = client;
    if (!BuildSurface())
      return;
  }
  Draw();
}

void TimeDisplayWindow::ShowText(const char* text) {
  CopyWholeCharacters(text_, sizeof text_, text != nullptr ? text : "");
  Draw();
  PaceNameChange();
}

BOOL TimeDisplayWindow::Show(int command) {
  return ShowWindow(Window(), command);
}

BOOL TimeDisplayWindow::IsVisible() {
  return IsWindowVisible(Window());
}

void TimeDisplayWindow::ChooseDisplayFont() {
  if (Window() == nullptr)
    return;
  // The dialog edits a copy, so a cancelled dialog cannot touch the record;
  // it is given the size the window shows, so it names the same points on
  // every monitor.
  LOGFONTA logFont = ToLogFont(display::ScaleFontRecord(fontRecord_, ScreenDpi(), Dpi()).logFont);
  CHOOSEFONTA choice;
  std::memset(&choice, 0, sizeof choice);
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = Window();
  choice.lpLogFont = &logFont;
  choice.rgbColors = fontRecord_.textColor;
  choice.Flags = kFontDialogFlags;
  if (ChooseFontA(&choice) != TRUE)
    return;
  ApplyFontChoice(logFont, choice.rgbColors);
}

void TimeDisplayWindow::ApplyFontChoice(const LOGFONTA& logFont, COLORREF textColor) {
  // Through the file image, so a face name without terminator is cut as it
  // would be when read back from the file. The choice is in the window's
  // pixels; the record keeps the system's.
  display::FontRecord choice;
  std::memcpy(&choice.logFont, &logFont, display::kLogFontSize);
  choice.textColor = textColor;
  unsigned char image[display::kFontRecordSize];
  display::SerializeFontRecord(display::ScaleFontRecord(choice, Dpi(), ScreenDpi()), image);
  display::LoadFontRecordBytes(fontRecord_, image, sizeof image);
  if (Window() == nullptr)
    return;
  RemakeFont();
  Draw();
}

void TimeDisplayWindow::RemakeFont() {
  if (memoryDC_ != nullptr && savedFont_ != nullptr)
    SelectObject(memoryDC_, savedFont_);
  savedFont_ = nullptr;
  if (font_ != nullptr)
    DeleteObject(font_);
  const LOGFONTA shown =
      ToLogFont(display::ScaleFontRecord(fontRecord_, ScreenDpi(), Dpi()).logFont);
  font_ = CreateFontIndirectA(&shown);
  fontDpi_ = Dpi();
  if (memoryDC_ != nullptr && font_ != nullptr)
    savedFont_ = SelectObject(memoryDC_, font_);
}

bool TimeDisplayWindow::LoadFontRecord() {
  std::memset(&fontRecord_, 0, sizeof fontRecord_);
  if (fontFilePath_[0] == '\0')
    return false;
  HANDLE file = CreateFileA(fontFilePath_, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  unsigned char bytes[display::kFontRecordSize];
  DWORD read = 0;
  const BOOL ok = ReadFile(file, bytes, sizeof bytes, &read, nullptr);
  CloseHandle(file);
  if (!ok)
    return false;
  display::LoadFontRecordBytes(fontRecord_, bytes, read);
  return true;
}

void TimeDisplayWindow::SaveFontRecord() {
  if (fontFilePath_[0] == '\0')
    return;
  HANDLE file = CreateFileA(fontFilePath_, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  unsigned char bytes[display::kFontRecordSize];
  display::SerializeFontRecord(fontRecord_, bytes);
  // Overwrite in place and cut only after a complete write: a failed write
  // then leaves the previous choice readable instead of an emptied file.
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  DWORD written = 0;
  const bool complete =
      WriteFile(file, bytes, sizeof bytes, &written, nullptr) && written == sizeof bytes;
  if (complete)
    SetEndOfFile(file);
  CloseHandle(file);
  if (complete)
    display::NoteFontFilesDpi(settings_, ScreenDpi());
}

bool TimeDisplayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (AnswerAccessibility(message, wParam, lParam, result))
    return true;
  switch (message) {
    case WM_ERASEBKGND:
      *result = 0;  // the whole client area is always painted from the bitmap
      return true;
    default:
      return false;
  }
}

void TimeDisplayWindow::OnDestroy() {
  SaveFontRecord();
}

bool TimeDisplayWindow::OnRButtonDown(WPARAM, LPARAM) {
  ChooseDisplayFont();
  return true;
}

void TimeDisplayWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  if (drawingBitmap_ != nullptr && memoryDC_ != nullptr) {
    BITMAP size;
    std::memset(&size, 0, sizeof size);
    GetObjectA(drawingBitmap_, sizeof size, &size);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memoryDC_, 0, 0, SRCCOPY);
  }
  EndPaint(Window(), &paint);
}

void TimeDisplayWindow::OnNcDestroy() {
  // The window can die with its parent long before this object: forget
  // everything drawn for it, so nothing stale is used or released twice, and a
  // later Create starts afresh (the framework forgets the handle after this).
  OnWindowDestroyed();
  ReleaseSurface();
}
