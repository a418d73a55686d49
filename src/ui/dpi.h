// Sizes the program gives in pixels are chosen for a screen of 96 dots per inch.
// The program is aware of each monitor's scaling, so nothing stretches it:
// each such size is scaled here, once, by the dots per inch of the window it
// belongs to over 96, with the platform's MulDiv rounding, so that at 96 every
// size is exactly the number written in the code. Sizes the system hands over
// (dialog templates, status bars, the screen itself) are already in screen
// pixels and do not pass through here; fonts given in points scale through
// their own point-to-pixel conversion.
#pragma once

constexpr int kDesignDpi = 96;

// A dots-per-inch figure read back from Data.ini: a value no screen has (a
// damaged or hand-edited file; a missing key reads as 96) means 96. From a
// quarter of 96 to 25 times it: every scaling a screen offers, and far from
// the sizes where the scaling itself would overflow.
int MendStoredDpi(int stored);

// pixels * dpi / 96, halves rounded away from zero. A dpi that is not positive
// (a failed query) leaves the size as it is rather than collapsing it. Sizes
// are far from the limits of int, where MulDiv would answer -1.
int ScalePixels(int pixels, int dpi);

// Dialog templates give places in dialog units: a quarter of the dialog font's
// average character width across, an eighth of its height down. The dialog
// manager turns them into pixels with MulDiv (units * base / 4 or / 8).
int DialogUnitsToPixels(int units, int base, int unitsPerBase);
// The inverse for a size the dialog manager made: exact whenever base is more
// than unitsPerBase (each unit then moves the result by more than a pixel), as
// every dialog font is; the nearest whole unit otherwise. base not positive: 0.
int PixelsToDialogUnits(int pixels, int base, int unitsPerBase);
