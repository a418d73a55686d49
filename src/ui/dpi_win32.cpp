#include "ui/dpi_win32.h"

#include <windows.h>

namespace {

int ReadScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return kDesignDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int ScreenDpi() {
  static const int dpi = ReadScreenDpi();
  return dpi;
}
