// Integer scaling with the platform's MulDiv rounding, for the portable code that
// must agree with it to the pixel (font heights from points, sizes from dpi).
#pragma once

// number * numerator / denominator computed in 64 bits and rounded half away
// from zero; -1 when the denominator is 0 or the result does not fit, as the
// platform's MulDiv does.
int MulDivRounded(int number, int numerator, int denominator);
