#include "display/font_record.h"

#include <cstring>
#include <string>

#include "settings/path_rules.h"
#include "ui/dpi.h"

namespace display {

const char kDefaultFaceName[] = "ＭＳ Ｐゴシック";
static_assert(sizeof(kDefaultFaceName) <= kFaceNameSize, "default face must fit LF_FACESIZE");

namespace {

void PutInt32(unsigned char* p, std::uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
  p[2] = static_cast<unsigned char>(v >> 16);
  p[3] = static_cast<unsigned char>(v >> 24);
}

std::uint32_t GetUint32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t GetInt32(const unsigned char* p) {
  const std::uint32_t u = GetUint32(p);
  std::int32_t v;
  std::memcpy(&v, &u, sizeof v);
  return v;
}

void PutInt32(unsigned char* p, std::int32_t v) {
  std::uint32_t u;
  std::memcpy(&u, &v, sizeof u);
  PutInt32(p, u);
}

FontRecord ParseFontRecord(const unsigned char (&in)[kFontRecordSize]) {
  FontRecord r;
  LogFontData& f = r.logFont;
  f.height = GetInt32(in + 0);
  f.width = GetInt32(in + 4);
  f.escapement = GetInt32(in + 8);
  f.orientation = GetInt32(in + 12);
  f.weight = GetInt32(in + 16);
  f.italic = in[20];
  f.underline = in[21];
  f.strikeOut = in[22];
  f.charSet = in[23];
  f.outPrecision = in[24];
  f.clipPrecision = in[25];
  f.quality = in[26];
  f.pitchAndFamily = in[27];
  std::memcpy(f.faceName, in + 28, kFaceNameSize);
  r.textColor = GetUint32(in + 60);
  return r;
}

// Keeps the face name a C string inside its 32 bytes. When the last byte has
// to give way to the terminator and that leaves the lead byte of a double-byte
// character without its trail, the lead byte goes as well.
void TerminateFaceName(char (&face)[kFaceNameSize]) {
  if (std::memchr(face, '\0', kFaceNameSize) != nullptr)
    return;
  const std::size_t keep = WholeCharacterLength(face, kFaceNameSize - 1);
  std::memset(face + keep, 0, kFaceNameSize - keep);
}

}  // namespace

int DefaultFontPoints(const char* fontFilePath) {
  return SplitPath(fontFilePath).name == kFullScreenFontName ? kFullScreenDisplayPoints
                                                             : kSmallDisplayPoints;
}

FontRecord DefaultFontRecord(const char* fontFilePath, int pixelsPerInch) {
  FontRecord r;
  std::memset(&r, 0, sizeof r);
  r.logFont.height = -MulDivRounded(DefaultFontPoints(fontFilePath), pixelsPerInch, 72);
  r.logFont.weight = kDefaultWeight;
  r.logFont.charSet = kShiftJisCharSet;
  std::memcpy(r.logFont.faceName, kDefaultFaceName, sizeof(kDefaultFaceName));
  r.textColor = 0;
  return r;
}

int MendFontFileDpi(int stored) {
  return MendStoredDpi(stored);
}

FontRecord ScaleFontRecord(const FontRecord& record, int fromDpi, int toDpi) {
  FontRecord scaled = record;
  if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi)
    return scaled;
  // Font sizes are far below this; a damaged record keeps its odd value
  // instead of turning into MulDiv's -1.
  const std::int32_t kLargest = 1 << 20;
  std::int32_t* sizes[] = {&scaled.logFont.height, &scaled.logFont.width};
  for (std::int32_t* size : sizes) {
    if (*size >= -kLargest && *size <= kLargest)
      *size = MulDivRounded(*size, toDpi, fromDpi);
  }
  return scaled;
}

void LoadFontRecordBytes(FontRecord& record, const unsigned char* bytes, std::size_t size) {
  unsigned char image[kFontRecordSize];
  SerializeFontRecord(record, image);
  if (size > kFontRecordSize)
    size = kFontRecordSize;
  if (size > 0)
    std::memcpy(image, bytes, size);
  record = ParseFontRecord(image);
  TerminateFaceName(record.logFont.faceName);
}

void SerializeFontRecord(const FontRecord& record, unsigned char (&out)[kFontRecordSize]) {
  const LogFontData& f = record.logFont;
  PutInt32(out + 0, f.height);
  PutInt32(out + 4, f.width);
  PutInt32(out + 8, f.escapement);
  PutInt32(out + 12, f.orientation);
  PutInt32(out + 16, f.weight);
  out[20] = f.italic;
  out[21] = f.underline;
  out[22] = f.strikeOut;
  out[23] = f.charSet;
  out[24] = f.outPrecision;
  out[25] = f.clipPrecision;
  out[26] = f.quality;
  out[27] = f.pitchAndFamily;
  std::memcpy(out + 28, f.faceName, kFaceNameSize);
  PutInt32(out + 60, record.textColor);
}

bool BuildFontFilePath(const char* settingsPath, const char* fontName, char* out,
                       std::size_t outSize) {
  const PathParts parts = SplitPath(settingsPath);
  return CopyBounded(out, outSize, parts.drive + parts.dir + fontName);
}

}  // namespace display
