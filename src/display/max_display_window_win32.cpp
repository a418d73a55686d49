#include "display/max_display_window_win32.h"

#include "ui/messages.h"
#include "display/font_record.h"
#include "display/max_display_ids.h"
#include "ui/dpi.h"
#include "ui/start_button_captions.h"

static_assert(IDC_MAXDISP_START == WM_MIPO_MAXDISPLAY_START, "start button id is its message");
static_assert(IDC_MAXDISP_CLOSE == WM_MIPO_MAXDISPLAY_CLOSE, "close button id is its message");

namespace {

const char kCloseText[] = "閉じる";

// The label and the buttons, in pixels at 96 dpi; scaled to the display's dpi.
const int kControlTop = 2;
const int kControlHeight = 66;
const int kLabelWidth = 270;
const int kButtonWidth = 100;
const int kLabelPoints = 24;
const BYTE kLabelPitchAndFamily = 0x40;

// Where the label (at the right edge) and the two buttons (at the left) stand
// in a display whose client area is clientWidth wide.
struct ControlPlaces {
  RECT label;
  RECT start;
  RECT close;
};

ControlPlaces PlaceControls(int clientWidth, int dpi) {
  const int top = ScalePixels(kControlTop, dpi);
  const int bottom = top + ScalePixels(kControlHeight, dpi);
  const int labelWidth = ScalePixels(kLabelWidth, dpi);
  const int buttonWidth = ScalePixels(kButtonWidth, dpi);
  return {{clientWidth - labelWidth, top, clientWidth, bottom},
          {0, top, buttonWidth, bottom},
          {buttonWidth, top, 2 * buttonWidth, bottom}};
}

HWND CreateChild(HINSTANCE instance, HWND parent, const char* className, const char* text,
                 DWORD style, const RECT& place, int id, void* param) {
  return CreateWindowExA(WS_EX_LEFT, className, text, style, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, param);
}

HFONT MakeLabelFont(int dpi) {
  return CreateFontA(-MulDiv(kLabelPoints, dpi, 72), 0, 0, 0, display::kDefaultWeight, FALSE, FALSE,
                     FALSE, display::kShiftJisCharSet, 0, 0, 0, kLabelPitchAndFamily,
                     display::kDefaultFaceName);
}

}  // namespace

MaxDisplayWindow::MaxDisplayWindow(const SettingsFile& settings, MonotonicClock& clock)
    : TimeDisplayWindow(settings, clock),
      labelColor_(0),
      labelWindow_(nullptr),
      startButton_(nullptr),
      closeButton_(nullptr),
      labelFont_(nullptr),
      notifyWindow_(nullptr) {}

MaxDisplayWindow::~MaxDisplayWindow() {
  ReleaseControls(true);
}

HWND MaxDisplayWindow::Create(HINSTANCE instance, HWND parent, HWND notifyWindow, DWORD style,
                              int x, int y, int width, int height, const char* fontName) {
  if (Window() != nullptr) {
    ShowWindow(Window(), SW_SHOW);
    return Window();
  }
  notifyWindow_ = notifyWindow;
  // The time is drawn straight onto the window's device context at every tick;
  // clipping the children keeps that drawing off the label and the buttons.
  if (TimeDisplayWindow::Create(instance, parent, style | WS_CLIPCHILDREN, x, y, width, height,
                                fontName) == nullptr) {
    return nullptr;
  }
  CreateControls(instance);
  return Window();
}

void MaxDisplayWindow::CreateControls(HINSTANCE instance) {
  HWND display = Window();
  RECT frame;
  GetClientRect(display, &frame);  // the label stands at the right edge of the display
  const ControlPlaces places = PlaceControls(frame.right, Dpi());
  labelWindow_ =
      CreateChild(instance, display, "STATIC", "", WS_CHILD, places.label, IDC_MAXDISP_LABEL, this);
  if (labelWindow_ == nullptr)
    return;
  labelFont_ = MakeLabelFont(Dpi());
  labelFontDpi_ = Dpi();
  SendMessageA(labelWindow_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);

  startButton_ = CreateChild(instance, display, "BUTTON", kStartCaption, WS_CHILD | WS_BORDER,
                             places.start, IDC_MAXDISP_START, this);
  if (startButton_ == nullptr)
    return;
  closeButton_ = CreateChild(instance, display, "BUTTON", kCloseText, WS_CHILD | WS_BORDER,
                             places.close, IDC_MAXDISP_CLOSE, this);
}

// On a monitor of another scaling the display covers that whole monitor (the
// one the system's suggested rectangle lies on: a full-screen window is never
// a scaled copy of its old size).
void MaxDisplayWindow::PlaceAfterDpiChange(const RECT& suggested) {
  RECT area = suggested;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor))
    area = monitor.rcMonitor;
  SetWindowPos(Window(), nullptr, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The time as the base lays it out; the label at the right edge, the buttons
// at the left, and the label's font made for the dpi.
void MaxDisplayWindow::LayOut() {
  TimeDisplayWindow::LayOut();
  RECT frame = {};
  GetClientRect(Window(), &frame);
  const ControlPlaces places = PlaceControls(frame.right, Dpi());
  const struct {
    HWND control;
    const RECT& place;
  } controls[] = {
      {labelWindow_, places.label}, {startButton_, places.start}, {closeButton_, places.close}};
  for (const auto& c : controls) {
    if (c.control != nullptr) {
      SetWindowPos(c.control, nullptr, c.place.left, c.place.top, c.place.right - c.place.left,
                   c.place.bottom - c.place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (labelWindow_ == nullptr || labelFontDpi_ == Dpi())
    return;
  // The label takes the new font before the old one goes.
  HFONT font = MakeLabelFont(Dpi());
  SendMessageA(labelWindow_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (labelFont_ != nullptr)
    DeleteObject(labelFont_);
  labelFont_ = font;
  labelFontDpi_ = Dpi();
}

void MaxDisplayWindow::ReleaseControls(bool destroyWindows) {
  // The controls go before their font, so none of them is left holding a
  // deleted font.
  HWND* controls[] = {&labelWindow_, &startButton_, &closeButton_};
  for (HWND* control : controls) {
    if (*control != nullptr && destroyWindows)
      DestroyWindow(*control);
    *control = nullptr;
  }
  if (labelFont_ != nullptr) {
    DeleteObject(labelFont_);
    labelFont_ = nullptr;
  }
}

void MaxDisplayWindow::OnWindowDestroyed() {
  // The children died with the display before this point.
  ReleaseControls(false);
}

void MaxDisplayWindow::ShowControls(int command) {
  HWND controls[] = {labelWindow_, startButton_, closeButton_};
  for (HWND control : controls) {
    if (control != nullptr)
      ShowWindow(control, command);
  }
}

void MaxDisplayWindow::ShowLabel(int command) {
  if (labelWindow_ != nullptr)
    ShowWindow(labelWindow_, command);
}

void MaxDisplayWindow::SetLabelText(const char* text) {
  if (labelWindow_ == nullptr)
    return;
  SetWindowTextA(labelWindow_, text != nullptr ? text : "");
  ShowWindow(labelWindow_, SW_SHOW);
}

void MaxDisplayWindow::SetLabelColor(COLORREF color) {
  labelColor_ = color;
}

// A button click is passed on as a message whose number is the button id.
bool MaxDisplayWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED || notifyWindow_ == nullptr ||
      (id != IDC_MAXDISP_START && id != IDC_MAXDISP_CLOSE)) {
    return false;
  }
  PostMessageA(notifyWindow_, static_cast<UINT>(id), 0, 0);
  return true;
}

// The notice label is drawn in its colour on white; other statics as usual.
bool MaxDisplayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_CTLCOLORSTATIC)
    return TimeDisplayWindow::OnMessage(message, wParam, lParam, result);
  HWND control = reinterpret_cast<HWND>(lParam);
  *result = 0;
  if (control == nullptr || control != labelWindow_)
    return true;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetBkMode(dc, TRANSPARENT);
  // High contrast draws the notice like the time: the system's colours, the
  // stored one untouched for when it ends.
  if (HighContrast()) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    *result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    return true;
  }
  SetTextColor(dc, labelColor_);
  *result = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  return true;
}

bool MaxDisplayWindow::OnKeyDown(WPARAM wParam, LPARAM) {
  // No key reaches the default handling, so other keys do not even beep.
  const WORD key = LOWORD(wParam);
  if ((key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE) && notifyWindow_ != nullptr) {
    PostMessageA(notifyWindow_, WM_MIPO_MAXDISPLAY_KEY, 0, 0);
  }
  return true;
}

bool MaxDisplayWindow::OnLButtonDown(WPARAM, LPARAM) {
  // Gives the keyboard back to the display after one of its buttons took it.
  SetFocus(Window());
  return true;
}

void MaxDisplayWindow::NameLabel(char* out, std::size_t outSize) const {
  out[0] = '\0';
  if (labelWindow_ != nullptr && (GetWindowLongA(labelWindow_, GWL_STYLE) & WS_VISIBLE) != 0)
    GetWindowTextA(labelWindow_, out, static_cast<int>(outSize));
}
