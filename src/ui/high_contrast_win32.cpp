#include "ui/high_contrast_win32.h"

namespace {

const char kContrastMessageName[] = "MipoWatchHighContrast";

BOOL CALLBACK TellOne(HWND window, LPARAM on) {
  // List views and other common controls cache the system colours.
  SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
  SendMessageA(window, ContrastMessage(), static_cast<WPARAM>(on), 0);
  return TRUE;
}

}  // namespace

bool SystemHighContrast() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

UINT ContrastMessage() {
  static const UINT message = RegisterWindowMessageA(kContrastMessageName);
  return message;
}

void TellContrastToDescendants(HWND top) {
  if (top != nullptr)
    EnumChildWindows(top, TellOne, SystemHighContrast() ? 1 : 0);
}
