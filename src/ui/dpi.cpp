#include "ui/dpi.h"

#include "base/mul_div.h"

int MendStoredDpi(int stored) {
  return stored >= 24 && stored <= 2400 ? stored : kDesignDpi;
}

int ScalePixels(int pixels, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi)
    return pixels;
  return MulDivRounded(pixels, dpi, kDesignDpi);
}

int DialogUnitsToPixels(int units, int base, int unitsPerBase) {
  return MulDivRounded(units, base, unitsPerBase);
}

int PixelsToDialogUnits(int pixels, int base, int unitsPerBase) {
  if (base <= 0)
    return 0;
  return MulDivRounded(pixels, unitsPerBase, base);
}
