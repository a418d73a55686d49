#include "ui/dpi.h"

#include "base/mul_div.h"

int ScalePixels(int pixels, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi)
    return pixels;
  return MulDivRounded(pixels, dpi, kDesignDpi);
}
