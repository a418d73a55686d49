#include "stopwatch/accuracy.h"

namespace {

// Index modulo 4 chooses the resolution, index divided by 4 the hour width.
const Accuracy kAccuracies[kAccuracyCount] = {
    {"00:00:00:000", 1, 1000, 0},  {"00:00:00:00", 10, 100, 0},   {"00:00:00:0", 100, 10, 0},
    {"00:00:00", 1000, 1, 0},      {"000:00:00:000", 1, 1000, 1}, {"000:00:00:00", 10, 100, 1},
    {"000:00:00:0", 100, 10, 1},   {"000:00:00", 1000, 1, 1},     {"0000:00:00:000", 1, 1000, 2},
    {"0000:00:00:00", 10, 100, 2}, {"0000:00:00:0", 100, 10, 2},  {"0000:00:00", 1000, 1, 2},
};

}  // namespace

int MendAccuracyIndex(int index) {
  return (index >= 0 && index < kAccuracyCount) ? index : 0;
}

const Accuracy& AccuracyAt(int index) {
  return kAccuracies[MendAccuracyIndex(index)];
}

int AccuracyDecimals(const Accuracy& accuracy) {
  switch (accuracy.unitsPerSecond) {
    case 1000:
      return 3;
    case 100:
      return 2;
    case 10:
      return 1;
    default:
      return 0;
  }
}

uint64_t AccuracyTickLimit(const Accuracy& accuracy) {
  uint64_t hourFactor = 1;
  for (uint32_t i = 0; i < accuracy.hourDigits; ++i) hourFactor *= 10;
  return static_cast<uint64_t>(accuracy.unitsPerSecond) * 360000u * hourFactor - 1;
}
