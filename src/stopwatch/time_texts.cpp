#include "stopwatch/time_texts.h"

#include <cstdio>

namespace {

// Writes value in decimal, with leading zeros up to width digits, at text +
// length; returns the new length. text must have room for 20 more digits.
std::size_t AppendNumber(char* text, std::size_t length, uint64_t value, int width) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (int i = count; i < width; ++i) text[length++] = '0';
  while (count > 0) text[length++] = digits[--count];
  return length;
}

}  // namespace

void FormatDuration(int64_t count, int32_t countUnitsPerSecond, const Accuracy& accuracy, char* out,
                    std::size_t outSize) {
  if (out == nullptr || outSize == 0)
    return;
  const bool valid = countUnitsPerSecond > 0;
  const uint64_t per = valid ? static_cast<uint64_t>(countUnitsPerSecond) : 1;
  const bool negative = valid && count < 0;
  // The magnitude in unsigned arithmetic, so even the most negative count is safe.
  const uint64_t units = !valid     ? 0
                         : negative ? 0 - static_cast<uint64_t>(count)
                                    : static_cast<uint64_t>(count);

  const uint64_t whole = units / per;
  uint64_t hours = whole / 3600;
  uint64_t minutes = whole / 60 - hours * 60;
  const uint64_t restUnits = units - (hours * 3600 + minutes * 60) * per;  // below 60 s

  const int decimals = AccuracyDecimals(accuracy);
  uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // Seconds times scale; restUnits < 60 * 2^31, so nothing here overflows.
  uint64_t scaled = decimals == 0 ? restUnits / per : (2 * restUnits * scale + per) / (2 * per);
  if (scaled >= 60 * scale) {
    scaled = 0;
    if (++minutes == 60) {
      minutes = 0;
      ++hours;
    }
  }

  const int hourWidth = accuracy.hourDigits >= 2 ? 4 : 2 + static_cast<int>(accuracy.hourDigits);
  char text[48];  // sign, 20 hour digits, ":MM:SS:fff" and the terminator
  std::size_t length = 0;
  if (negative)
    text[length++] = '-';
  length = AppendNumber(text, length, hours, hourWidth);
  text[length++] = ':';
  length = AppendNumber(text, length, minutes, 2);
  text[length++] = ':';
  length = AppendNumber(text, length, scaled / scale, 2);
  if (decimals > 0) {
    text[length++] = ':';
    length = AppendNumber(text, length, scaled % scale, decimals);
  }
  text[length] = '\0';
  std::snprintf(out, outSize, "%s", text);
}

void FormatClockTime(const CalendarTime& time, const Accuracy& accuracy, char* out,
                     std::size_t outSize) {
  if (out == nullptr || outSize == 0)
    return;
  const int h = time.hour, m = time.minute, s = time.second, ms = time.milliseconds;
  switch (AccuracyDecimals(accuracy)) {
    case 3:
      std::snprintf(out, outSize, "%02d:%02d:%02d.%03d", h, m, s, ms);
      break;
    case 2:
      std::snprintf(out, outSize, "%02d:%02d:%02d.%02d", h, m, s, ms / 10);
      break;
    case 1:
      std::snprintf(out, outSize, "%02d:%02d:%02d.%01d", h, m, s, ms / 100);
      break;
    default:
      std::snprintf(out, outSize, "%02d:%02d:%02d", h, m, s);
      break;
  }
}
