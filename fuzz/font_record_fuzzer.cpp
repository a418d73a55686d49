// Font files of any length and content: loading never reads past the bytes it
// was given, always leaves a face name the font calls can take as a C string,
// and a record written out loads back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

#include "display/font_record.h"
#include "fuzz_check.h"

using namespace display;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int ppi = in.ConsumeIntegral<int>();
  const int mulNumber = in.ConsumeIntegral<int>();
  const int mulNumerator = in.ConsumeIntegral<int>();
  const int mulDenominator = in.ConsumeIntegral<int>();
  const size_t outSize = in.ConsumeIntegralInRange<size_t>(0, 300);
  const std::string settingsPath = in.ConsumeRandomLengthString(300);
  const std::string fontName = in.ConsumeRandomLengthString(16);
  const std::vector<uint8_t> file = in.ConsumeRemainingBytes<uint8_t>();

  const CString path(settingsPath);
  FontRecord record = DefaultFontRecord(path.c_str(), ppi);
  FUZZ_CHECK(std::memchr(record.logFont.faceName, '\0', kFaceNameSize) != nullptr);

  // The file's bytes in a block of exactly their size.
  ExactBuffer bytes(file.size());
  if (!file.empty())
    std::memcpy(bytes.data, file.data(), file.size());
  FontRecord before = record;
  LoadFontRecordBytes(record, reinterpret_cast<const unsigned char*>(bytes.data), bytes.size);
  FUZZ_CHECK(std::memchr(record.logFont.faceName, '\0', kFaceNameSize) != nullptr);
  // The colour comes from the file only when the file reaches it.
  if (file.size() <= kLogFontSize)
    FUZZ_CHECK(record.textColor == before.textColor);

  unsigned char image[kFontRecordSize];
  SerializeFontRecord(record, image);
  FontRecord again = DefaultFontRecord("", 96);
  LoadFontRecordBytes(again, image, sizeof image);
  unsigned char image2[kFontRecordSize];
  SerializeFontRecord(again, image2);
  FUZZ_CHECK(std::memcmp(image, image2, sizeof image) == 0);

  // A record read from a file at any stored dpi: only the two sizes change,
  // and a mended dpi never reaches MulDiv's failures.
  const int storedDpi = MendFontFileDpi(mulNumerator);
  const FontRecord scaled = ScaleFontRecord(record, storedDpi, MendFontFileDpi(ppi));
  unsigned char image3[kFontRecordSize];
  SerializeFontRecord(scaled, image3);
  FUZZ_CHECK(std::memcmp(image + 8, image3 + 8, sizeof image - 8) == 0);

  ExactBuffer out(outSize);
  const CString name(fontName);
  const bool built = BuildFontFilePath(path.c_str(), name.c_str(), out.data, out.size);
  FUZZ_CHECK(out.Terminated());
  if (!built && out.size > 0)
    FUZZ_CHECK(out.data[0] == '\0');
  if (built)
    FUZZ_CHECK(std::strlen(out.data) >= std::strlen(name.c_str()));

  // Any pixels-per-inch the device reports, however absurd, gives -1 or the
  // exactly rounded quotient.
  const int q = MulDivRounded(mulNumber, mulNumerator, mulDenominator);
  if (mulDenominator == 0) {
    FUZZ_CHECK(q == -1);
  } else {
    __int128 n = static_cast<__int128>(mulNumber) * mulNumerator;
    __int128 d = mulDenominator;
    if (d < 0) {
      n = -n;
      d = -d;
    }
    const __int128 exact = n >= 0 ? (n + d / 2) / d : (n - d / 2) / d;
    if (exact > 2147483647 || exact < -2147483647)
      FUZZ_CHECK(q == -1);
    else
      FUZZ_CHECK(q == static_cast<int>(exact));
  }
  return 0;
}
