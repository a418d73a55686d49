// The font record of a time display: what the user picked in the font dialog
// (a LOGFONTA as the 32-bit SDK lays it out) followed by the text colour. The
// record is also the whole content of the display's font file, so its byte
// layout is fixed: 64 bytes, little-endian, no header.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/mul_div.h"  // MulDivRounded, shared with the dpi scaling

namespace display {

constexpr std::size_t kFaceNameSize = 32;    // LF_FACESIZE
constexpr std::size_t kLogFontSize = 60;     // sizeof(LOGFONTA) on 32-bit Windows
constexpr std::size_t kFontRecordSize = 64;  // LOGFONTA + COLORREF

// Same members, order and widths as LOGFONTA; the Win32 side checks the
// offsets at compile time and copies the bytes straight across.
struct LogFontData {
  std::int32_t height;
  std::int32_t width;
  std::int32_t escapement;
  std::int32_t orientation;
  std::int32_t weight;
  std::uint8_t italic;
  std::uint8_t underline;
  std::uint8_t strikeOut;
  std::uint8_t charSet;
  std::uint8_t outPrecision;
  std::uint8_t clipPrecision;
  std::uint8_t quality;
  std::uint8_t pitchAndFamily;
  char faceName[kFaceNameSize];
};
static_assert(sizeof(LogFontData) == kLogFontSize, "LogFontData must match LOGFONTA");

struct FontRecord {
  LogFontData logFont;
  std::uint32_t textColor;  // 0x00BBGGRR
};
static_assert(sizeof(FontRecord) == kFontRecordSize, "FontRecord must be 64 bytes");

constexpr int kDefaultWeight = 600;
constexpr std::uint8_t kShiftJisCharSet = 128;
constexpr int kSmallDisplayPoints = 16;
constexpr int kFullScreenDisplayPoints = 170;
// The font files of the stopwatch's, the timer's and the full-screen display;
// the full-screen display is told apart by the name of its font file.
constexpr const char* kStopwatchFontName = "font1";
constexpr const char* kTimerFontName = "font2";
constexpr const char* kFullScreenFontName = "font3";
constexpr const char* kFontFileNames[] = {kStopwatchFontName, kTimerFontName, kFullScreenFontName};
// The proportional Japanese Gothic face every display starts with.
extern const char kDefaultFaceName[];

// 170 when the file-name part of the path is exactly "font3", otherwise 16.
int DefaultFontPoints(const char* fontFilePath);

// The record used when no font file can be read: the default face at the
// default size for this display, weight 600, Shift-JIS, black.
FontRecord DefaultFontRecord(const char* fontFilePath, int pixelsPerInch);

// Overwrites the leading `size` bytes of the record's file image with `bytes`
// (at most 64 are taken); the rest of the record keeps its value. A face name
// that the bytes leave without a terminator is cut inside its 32 bytes, so the
// record can always be handed to functions that read it as a C string.
void LoadFontRecordBytes(FontRecord& record, const unsigned char* bytes, std::size_t size);

// The dots per inch the font files were written at, as Data.ini keeps it: a
// missing key (files from before it existed) or a value no screen has means 96.
constexpr int kFontFileDpiMissing = 96;
int MendFontFileDpi(int stored);

// The record drawn at toDpi that keeps the size in points the record had at
// fromDpi: height and width scaled with MulDiv's rounding, everything else
// as it was. A dpi that is not positive, or a size too large to scale, leaves
// the record unchanged.
FontRecord ScaleFontRecord(const FontRecord& record, int fromDpi, int toDpi);

// The 64-byte file image of the record.
void SerializeFontRecord(const FontRecord& record, unsigned char (&out)[kFontRecordSize]);

// The font file lives in the folder of Data.ini: the drive and folder of
// `settingsPath` (up to and including its last path separator, double-byte
// characters stepped over whole) followed by `fontName`. Returns false and an
// empty `out` when the result does not fit in `outSize` bytes.
bool BuildFontFilePath(const char* settingsPath, const char* fontName, char* out,
                       std::size_t outSize);

}  // namespace display
