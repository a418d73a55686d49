// The displays' font files hold pixel sizes, which mean a size in points only
// together with the dots per inch they were written at. Data.ini keeps that
// one figure for all three files; the files keep their 64-byte layout.
#pragma once

#include "settings/settings_file_win32.h"

namespace display {

// The dots per inch the font files beside settings were written at (96 when
// Data.ini does not say).
int FontFilesDpi(const SettingsFile& settings);
// Notes that the font files are now written at dpi.
void NoteFontFilesDpi(const SettingsFile& settings, int dpi);

// Rescales every font file beside settings from the dpi they were written at
// to dpi, in place and at its length, and notes dpi. Done once at start, before
// any display reads its file, so that a file whose display does not open in
// this run is not left at another scaling than the key says.
void KeepFontFilesAt(const SettingsFile& settings, int dpi);

}  // namespace display
