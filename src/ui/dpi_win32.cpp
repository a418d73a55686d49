#include "ui/dpi_win32.h"

#include "base/system_function_win32.h"

namespace {

// The few functions newer than XP, looked up once from user32.
struct NewerFunctions {
  typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
  typedef BOOL(WINAPI* SetDialogDpiChangeBehaviorFn)(HWND, int, int);
  typedef BOOL(WINAPI* SetDialogControlDpiChangeBehaviorFn)(HWND, int, int);

  GetDpiForWindowFn getDpiForWindow;
  SetDialogDpiChangeBehaviorFn setDialogDpiChangeBehavior;
  SetDialogControlDpiChangeBehaviorFn setDialogControlDpiChangeBehavior;

  NewerFunctions()
      : getDpiForWindow(SystemFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow")),
        setDialogDpiChangeBehavior(SystemFunction<SetDialogDpiChangeBehaviorFn>(
            "user32.dll", "SetDialogDpiChangeBehavior")),
        setDialogControlDpiChangeBehavior(SystemFunction<SetDialogControlDpiChangeBehaviorFn>(
            "user32.dll", "SetDialogControlDpiChangeBehavior")) {}
};

const NewerFunctions& Newer() {
  static const NewerFunctions functions;
  return functions;
}

// DDC_DISABLE_ALL and DCDC_DISABLE_FONTUPDATE | DCDC_DISABLE_RELAYOUT, which
// older SDK headers do not name.
const int kDialogScalingOff = 0x0001;
const int kControlScalingOff = 0x0001 | 0x0002;

int ReadScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return kDesignDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

BOOL CALLBACK KeepControlScalingToProgram(HWND control, LPARAM) {
  Newer().setDialogControlDpiChangeBehavior(control, kControlScalingOff, kControlScalingOff);
  return TRUE;
}

}  // namespace

int ScreenDpi() {
  static const int dpi = ReadScreenDpi();
  return dpi;
}

int WindowDpi(HWND window) {
  if (window != nullptr && Newer().getDpiForWindow != nullptr) {
    const int dpi = static_cast<int>(Newer().getDpiForWindow(window));
    if (dpi > 0)
      return dpi;
  }
  return ScreenDpi();
}

void KeepDpiScalingToProgram(HWND dialog) {
  if (dialog == nullptr)
    return;
  if (Newer().setDialogDpiChangeBehavior != nullptr)
    Newer().setDialogDpiChangeBehavior(dialog, kDialogScalingOff, kDialogScalingOff);
  if (Newer().setDialogControlDpiChangeBehavior != nullptr)
    EnumChildWindows(dialog, KeepControlScalingToProgram, 0);
}
