// The twelve accuracies of the stopwatch. One accuracy fixes the period of the
// tick timer, the number of decimals every duration shows and the minimum width
// of the hour field, for the running display and the lap list alike.
#pragma once

#include <cstdint>

struct Accuracy {
  const char* entryText;    // the entry of the accuracy list; shows the layout
  uint32_t tickPeriodMs;    // 1, 10, 100 or 1000
  uint32_t unitsPerSecond;  // ticks per second: 1000, 100, 10 or 1
  uint32_t hourDigits;      // 0, 1, 2: the hour field has at least 2, 3, 4 digits
};

constexpr int kAccuracyCount = 12;

// An accuracy number as stored; anything outside 0..11 (only a hand-edited
// Data.ini holds one) counts as 0.
int MendAccuracyIndex(int index);

// The accuracy numbered index, after mending.
const Accuracy& AccuracyAt(int index);

// Decimals shown: 3, 2, 1 or 0.
int AccuracyDecimals(const Accuracy& accuracy);

// The tick count at which a run stops by itself: one unit short of 100, 1000 or
// 10,000 hours, so the hour field never needs more digits than the entry shows.
uint64_t AccuracyTickLimit(const Accuracy& accuracy);
