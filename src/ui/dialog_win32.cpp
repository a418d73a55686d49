#include "ui/dialog_win32.h"

#include "ui/dpi_win32.h"

#include <exception>
#include <vector>

namespace {

// The framework's own messages about scaling. Registered, so they can go to
// every window of a tree, the platform's controls included, without meaning
// anything to them: one tells a window its new dots per inch (wParam), the
// other asks a window for its own (answered by the program's windows only).
UINT DpiChangeMessage() {
  static const UINT message = RegisterWindowMessageA("MipoWatchDpiChange");
  return message;
}

UINT DpiQueryMessage() {
  static const UINT message = RegisterWindowMessageA("MipoWatchDpiQuery");
  return message;
}

// Parents before their children, in the order the windows stand.
void TellDpiToChildren(HWND parent, int dpi) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  for (HWND child : children) {
    if (!IsWindow(child))
      continue;
    SendMessageA(child, DpiChangeMessage(), static_cast<WPARAM>(dpi), 0);
    TellDpiToChildren(child, dpi);
  }
}

// The parent's, when the parent is one of the program's windows on this
// thread (only those answer the question; the desktop is never asked);
// the window's monitor's otherwise.
int StartingDpi(HWND window) {
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent != nullptr && GetWindowThreadProcessId(parent, nullptr) == GetCurrentThreadId()) {
    const int dpi = static_cast<int>(SendMessageA(parent, DpiQueryMessage(), 0, 0));
    if (dpi > 0)
      return dpi;
  }
  return WindowDpi(window);
}

// Messages whose answer is the dialog procedure's return value itself, not the
// DWLP_MSGRESULT slot (the dialog manager passes these straight on).
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool MessageTarget::Crack(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == DpiQueryMessage()) {
    *result = dpi_;
    return true;
  }
  if (message == DpiChangeMessage()) {
    ChangeDpi(static_cast<int>(wParam));
    return true;
  }
  switch (message) {
    case kDpiChangedMessage:
      // Only top-level windows hear it; the whole tree follows, then the
      // window moves.
      if (lParam == 0)
        return false;
      ChangeDpi(DpiFromMessage(wParam));
      TellDpiToChildren(window_, dpi_);
      PlaceAfterDpiChange(*reinterpret_cast<const RECT*>(lParam));
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
      return lParam != 0 && OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return false;  // the default handling still runs
    case WM_CONTEXTMENU:
      return OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DESTROY:
      OnDestroy();
      return false;
    case WM_NCDESTROY:
      OnNcDestroy();
      Unbind();
      return false;
    default:
      return OnMessage(message, wParam, lParam, result);
  }
}

MessageTarget::~MessageTarget() {
  HWND window = window_;
  if (window == nullptr)
    return;
  Unbind();
  if (IsWindow(window))
    DestroyWindow(window);
}

void MessageTarget::Bind(HWND window) {
  window_ = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  dpi_ = StartingDpi(window);
}

void MessageTarget::ChangeDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_ || window_ == nullptr)
    return;
  const int oldDpi = dpi_;
  dpi_ = dpi;
  ApplyTemplateAt(dpi);
  OnDpiChanged(dpi, oldDpi);
}

void MessageTarget::PlaceAfterDpiChange(const RECT& suggested) {
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MessageTarget::Unbind() {
  if (window_ != nullptr)
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

void MessageTarget::ReportEscapedException(const char* what) {
  OutputDebugStringA("Mipo: exception stopped at a window procedure: ");
  OutputDebugStringA(what != nullptr ? what : "(unknown)");
  OutputDebugStringA("\r\n");
}

INT_PTR Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner) {
  templateInstance_ = instance;
  templateId_ = templateId;
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HINSTANCE instance, int templateId, HWND parent) {
  templateInstance_ = instance;
  templateId_ = templateId;
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, Procedure,
                            reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
      self = reinterpret_cast<Dialog*>(lParam);
      if (self == nullptr)
        return FALSE;
      self->Bind(window);
    } else {
      self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      // A window that is not (or no longer) the object's own is not answered.
      if (self == nullptr || self->Window() != window)
        return FALSE;
    }
    return self->Handle(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportEscapedException(e.what());
  } catch (...) {
    ReportEscapedException(nullptr);
  }
  return FALSE;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The dialog manager made the template at the monitor's dpi; a dialog
    // inside a window laid out for another starts at that one.
    const int made = WindowDpi(Window());
    templateLayout_.Capture(Window(), made, templateInstance_, templateId_);
    if (Dpi() != made)
      templateLayout_.Apply(Dpi());
    const bool focus = OnInitDialog();
    KeepDpiScalingToProgram(Window());
    return focus ? TRUE : FALSE;
  }
  LRESULT result = 0;
  if (!Crack(message, wParam, lParam, &result))
    return FALSE;
  if (AnswersDirectly(message))
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(Window(), DWLP_MSGRESULT, result);
  return TRUE;
}

void Dialog::ApplyTemplateAt(int dpi) {
  templateLayout_.Apply(dpi);
}

HWND WindowObject::CreateBound(DWORD exStyle, const char* className, DWORD style, int x, int y,
                               int width, int height, HWND parent, HINSTANCE instance) {
  return CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent, nullptr,
                         instance, this);
}

LRESULT CALLBACK WindowObject::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    WindowObject* self = nullptr;
    if (message == WM_CREATE) {
      const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      self = create != nullptr ? static_cast<WindowObject*>(create->lpCreateParams) : nullptr;
      if (self != nullptr)
        self->Bind(window);
    } else {
      self = reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self != nullptr && self->Window() != window)
        self = nullptr;
    }
    if (self != nullptr)
      return self->Handle(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportEscapedException(e.what());
  } catch (...) {
    ReportEscapedException(nullptr);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void WindowObject::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(Window(), &paint);
  EndPaint(Window(), &paint);
}

LRESULT WindowObject::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Window();
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam, lParam))
        return 0;
      break;
    case WM_LBUTTONDOWN:
      if (OnLButtonDown(wParam, lParam))
        return 0;
      break;
    case WM_RBUTTONDOWN:
      if (OnRButtonDown(wParam, lParam))
        return 0;
      break;
    default: {
      LRESULT result = 0;
      if (Crack(message, wParam, lParam, &result))
        return result;
      break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
