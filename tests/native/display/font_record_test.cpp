#include "display/font_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace display {
namespace {

std::vector<unsigned char> Image(const FontRecord& record) {
  unsigned char bytes[kFontRecordSize];
  SerializeFontRecord(record, bytes);
  return std::vector<unsigned char>(bytes, bytes + kFontRecordSize);
}

FontRecord Zero() {
  FontRecord r;
  std::memset(&r, 0, sizeof r);
  return r;
}

// A file image whose every byte differs from the zero record: 0x40 + index.
std::vector<unsigned char> Pattern(std::size_t size) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(0x40 + i);
  return bytes;
}

TEST(FontRecordLayout, FileImageIsLogFontThenColourLittleEndian) {
  FontRecord r = Zero();
  r.logFont.height = -227;
  r.logFont.width = 0x01020304;
  r.logFont.weight = 600;
  r.logFont.italic = 1;
  r.logFont.charSet = 128;
  r.logFont.pitchAndFamily = 0x40;
  std::memcpy(r.logFont.faceName, "Face", 5);
  r.textColor = 0x000000FF;

  const std::vector<unsigned char> b = Image(r);
  ASSERT_EQ(b.size(), 64u);
  EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.begin() + 4),
            (std::vector<unsigned char>{0x1D, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(std::vector<unsigned char>(b.begin() + 4, b.begin() + 8),
            (std::vector<unsigned char>{0x04, 0x03, 0x02, 0x01}));
  EXPECT_EQ(b[16], 0x58);  // 600 = 0x258
  EXPECT_EQ(b[17], 0x02);
  EXPECT_EQ(b[20], 1);
  EXPECT_EQ(b[23], 128);
  EXPECT_EQ(b[27], 0x40);
  EXPECT_EQ(std::memcmp(b.data() + 28, "Face", 5), 0);
  EXPECT_EQ(std::vector<unsigned char>(b.begin() + 60, b.end()),
            (std::vector<unsigned char>{0xFF, 0x00, 0x00, 0x00}));
}

TEST(FontRecordLoad, ShortFilesOverwriteOnlyTheirLeadingBytes) {
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{63}}) {
    SCOPED_TRACE(size);
    FontRecord r = Zero();
    r.textColor = 0xAABBCCDD;
    std::vector<unsigned char> expected = Image(r);
    const std::vector<unsigned char> bytes = Pattern(size);
    std::copy(bytes.begin(), bytes.end(), expected.begin());
    // The face name bytes 28-59 of a 63-byte pattern hold no NUL.
    if (size == 63)
      std::fill(expected.begin() + 59, expected.begin() + 60, 0);
    LoadFontRecordBytes(r, bytes.data(), bytes.size());
    EXPECT_EQ(Image(r), expected);
  }
}

TEST(FontRecordLoad, LongerFileContributesOnlyItsFirst64Bytes) {
  std::vector<unsigned char> bytes = Pattern(65);
  bytes[40] = 0;
  FontRecord r = Zero();
  LoadFontRecordBytes(r, bytes.data(), bytes.size());
  EXPECT_EQ(Image(r), std::vector<unsigned char>(bytes.begin(), bytes.begin() + 64));
}

TEST(FontRecordLoad, UnterminatedFaceNameIsCutInsideItsField) {
  std::vector<unsigned char> bytes(64, 0);
  std::fill(bytes.begin() + 28, bytes.begin() + 60, 'A');
  bytes[60] = 0x12;  // colour right after the face must not become part of it
  FontRecord r = Zero();
  LoadFontRecordBytes(r, bytes.data(), bytes.size());
  EXPECT_EQ(std::string(r.logFont.faceName), std::string(31, 'A'));
  EXPECT_EQ(r.textColor, 0x12u);
}

TEST(FontRecordLoad, CutFaceNameNeverEndsInHalfADoubleByteCharacter) {
  // 30 single bytes, then ゴ (83 53) in bytes 30-31: the terminator needs byte
  // 31, so the whole character goes.
  std::vector<unsigned char> bytes(64, 0);
  std::fill(bytes.begin() + 28, bytes.begin() + 58, 'A');
  bytes[58] = 0x83;
  bytes[59] = 0x53;
  FontRecord r = Zero();
  LoadFontRecordBytes(r, bytes.data(), bytes.size());
  EXPECT_EQ(std::string(r.logFont.faceName), std::string(30, 'A'));
}

TEST(FontRecordLoad, CutFaceNameKeepsPairsWhoseTrailLooksLikeALeadByte) {
  // "A" then fifteen ぁ (82 9F): byte 30 is a trail byte in the lead range, so
  // only a walk from the start knows the 31 bytes end on a whole character.
  std::vector<unsigned char> bytes(64, 0);
  bytes[28] = 'A';
  for (int i = 0; i < 15; ++i) {
    bytes[29 + 2 * i] = 0x82;
    bytes[30 + 2 * i] = 0x9F;
  }
  bytes[59] = 'B';
  FontRecord r = Zero();
  LoadFontRecordBytes(r, bytes.data(), bytes.size());
  ASSERT_EQ(std::strlen(r.logFont.faceName), 31u);
  EXPECT_EQ(static_cast<unsigned char>(r.logFont.faceName[30]), 0x9F);
}

TEST(MulDivRounded, RoundsHalvesAwayFromZeroLikeThePlatform) {
  EXPECT_EQ(MulDivRounded(3, 1, 2), 2);
  EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
  EXPECT_EQ(MulDivRounded(3, -1, 2), -2);
  EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
  EXPECT_EQ(MulDivRounded(-3, -1, -2), -2);
  EXPECT_EQ(MulDivRounded(5, 1, 4), 1);
  EXPECT_EQ(MulDivRounded(-5, 1, 4), -1);
  EXPECT_EQ(MulDivRounded(0x7FFFFFFF, 2, 2), 0x7FFFFFFF);  // 64-bit intermediate
}

TEST(MulDivRounded, ZeroDivisorAndOverflowGiveMinusOne) {
  EXPECT_EQ(MulDivRounded(24, 96, 0), -1);
  EXPECT_EQ(MulDivRounded(0x7FFFFFFF, 2, 1), -1);
  EXPECT_EQ(MulDivRounded(-0x7FFFFFFF - 1, 1, 1), -1);
}

TEST(DefaultFontRecord, SizeFollowsResolutionAndDisplay) {
  EXPECT_EQ(DefaultFontRecord("C:\\m\\font3", 96).logFont.height, -227);
  EXPECT_EQ(DefaultFontRecord("C:\\m\\font1", 96).logFont.height, -21);
  EXPECT_EQ(DefaultFontRecord("C:\\m\\font3", 120).logFont.height, -283);
  EXPECT_EQ(DefaultFontRecord("C:\\m\\font2", 120).logFont.height, -27);
}

TEST(DefaultFontRecord, IsBoldShiftJisGothicInBlackWithAllElseZero) {
  FontRecord expected = Zero();
  expected.logFont.height = -21;
  expected.logFont.weight = 600;
  expected.logFont.charSet = 128;
  const unsigned char face[] = {0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83,
                                0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E, 0x00};
  std::memcpy(expected.logFont.faceName, face, sizeof face);
  EXPECT_EQ(Image(DefaultFontRecord("C:\\m\\font1", 96)), Image(expected));
}

TEST(DefaultFontPoints, OnlyAFileNamedExactlyFont3GetsTheFullScreenSize) {
  EXPECT_EQ(DefaultFontPoints("C:\\m\\font3"), 170);
  EXPECT_EQ(DefaultFontPoints("font3"), 170);
  EXPECT_EQ(DefaultFontPoints("C:font3"), 170);
  EXPECT_EQ(DefaultFontPoints("C:\\m\\font1"), 16);
  EXPECT_EQ(DefaultFontPoints("C:\\m\\Font3"), 16);
  EXPECT_EQ(DefaultFontPoints("C:\\m\\font30"), 16);
  EXPECT_EQ(DefaultFontPoints("C:\\m\\xfont3"), 16);
  EXPECT_EQ(DefaultFontPoints("C:\\font3\\font1"), 16);
  EXPECT_EQ(DefaultFontPoints(""), 16);
}

TEST(DefaultFontPoints, TrailByteBackslashIsNotAFolderSeparator) {
  // 表 is 95 5C: a byte-wise search for the last backslash would see "font3".
  EXPECT_EQ(DefaultFontPoints("C:\\m\\表font3"), 16);
  EXPECT_EQ(DefaultFontPoints("C:\\表\\font3"), 170);
  EXPECT_EQ(DefaultFontPoints("C:\\ソ\\font1"), 16);
}

std::string FontPath(const char* settingsPath, const char* fontName, std::size_t size = 261) {
  std::vector<char> out(size, 'x');
  const bool ok = BuildFontFilePath(settingsPath, fontName, out.data(), out.size());
  return (ok ? "" : "!") + std::string(out.data());
}

TEST(FontFilePath, FontFileSitsInTheFolderOfDataIni) {
  EXPECT_EQ(FontPath("C:\\Mipo\\root\\Data.ini", "font1"), "C:\\Mipo\\root\\font1");
  EXPECT_EQ(FontPath("\\\\srv\\share\\Data.ini", "font2"), "\\\\srv\\share\\font2");
  EXPECT_EQ(FontPath("C:Data.ini", "font3"), "C:font3");
  EXPECT_EQ(FontPath("Data.ini", "font3"), "font3");
}

TEST(FontFilePath, DoubleByteFoldersEndingInTrailBackslashStayWhole) {
  EXPECT_EQ(FontPath("Z:\\ソ\\表\\Data.ini", "font1"), "Z:\\ソ\\表\\font1");
  // A name without separators: the trail byte must not split it.
  EXPECT_EQ(FontPath("Z:表.ini", "font1"), "Z:font1");
  EXPECT_EQ(FontPath("Z:\\app\\表示ソ", "font2"), "Z:\\app\\font2");
}

TEST(FontFilePath, TooLongResultFailsWithAnEmptyPath) {
  EXPECT_EQ(FontPath("C:\\ab\\Data.ini", "font1", 12), "C:\\ab\\font1");
  EXPECT_EQ(FontPath("C:\\ab\\Data.ini", "font1", 11), "!");
  const std::string deep = "C:\\" + std::string(253, 'd') + "\\Data.ini";
  EXPECT_EQ(FontPath(deep.c_str(), "font1"), "!");
}

}  // namespace
}  // namespace display

namespace display {
namespace {

TEST(FontRecordScaling, KeepsThePointSizeWithMulDivRounding) {
  FontRecord r = Zero();
  r.logFont.height = -21;  // 16 points at 96
  r.logFont.width = 7;
  r.logFont.weight = 600;
  r.textColor = 0x0000FF;
  const FontRecord up = ScaleFontRecord(r, 96, 144);
  EXPECT_EQ(up.logFont.height, -32);  // -31.5, away from zero as MulDiv
  EXPECT_EQ(up.logFont.width, 11);    // 10.5
  EXPECT_EQ(up.logFont.weight, 600);
  EXPECT_EQ(up.textColor, 0x0000FFu);
  // Back again lands where it started; 120 rounds its quarter the same way.
  EXPECT_EQ(ScaleFontRecord(up, 144, 96).logFont.height, -21);
  EXPECT_EQ(ScaleFontRecord(r, 96, 120).logFont.height, -26);  // -26.25
  EXPECT_EQ(ScaleFontRecord(r, 96, 192).logFont.height, -42);
}

TEST(FontRecordScaling, SameOrUnknownDpiOrAnOddSizeLeavesTheRecordAlone) {
  FontRecord r = Zero();
  r.logFont.height = -227;
  EXPECT_EQ(Image(ScaleFontRecord(r, 144, 144)), Image(r));
  EXPECT_EQ(Image(ScaleFontRecord(r, 0, 144)), Image(r));
  EXPECT_EQ(Image(ScaleFontRecord(r, 96, -1)), Image(r));
  r.logFont.height = 0;          // the platform's default height stays the default
  r.logFont.width = 0x7FFFFFFF;  // a damaged record, not MulDiv's -1
  const FontRecord scaled = ScaleFontRecord(r, 96, 144);
  EXPECT_EQ(scaled.logFont.height, 0);
  EXPECT_EQ(scaled.logFont.width, 0x7FFFFFFF);
}

TEST(FontRecordScaling, StoredDpiOutsideAnyScreenCountsAsNinetySix) {
  EXPECT_EQ(MendFontFileDpi(144), 144);
  EXPECT_EQ(MendFontFileDpi(24), 24);
  EXPECT_EQ(MendFontFileDpi(2400), 2400);
  EXPECT_EQ(MendFontFileDpi(0), 96);
  EXPECT_EQ(MendFontFileDpi(-144), 96);
  EXPECT_EQ(MendFontFileDpi(2401), 96);
}

}  // namespace
}  // namespace display
