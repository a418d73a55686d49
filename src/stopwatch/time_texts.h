// The two texts in which the stopwatch shows time: a duration (running time,
// splits, elapsed, cumulative and average times) and a time of day (start and
// measured time of a lap), both shaped by the accuracy in force.
#pragma once

#include <cstddef>
#include <cstdint>

#include "stopwatch/accuracy.h"
#include "base/calendar_time.h"

// Room for any text of either kind, terminator included.
constexpr std::size_t kTimeTextSize = 32;

// Duration of count units of 1/countUnitsPerSecond second, as
// hours:minutes:seconds:fraction ("00:01:05:250"). The accuracy gives the
// decimals and the minimum hour width; more hours print all their digits.
// Seconds are rounded to the decimals shown, an exact half upwards, carrying
// into minutes and hours; with no decimals they are cut. The rounding is done
// in integers so that every build gives the same bytes. A negative count gets a
// leading "-"; a unit count of 0 or less reads as a zero duration.
void FormatDuration(int64_t count, int32_t countUnitsPerSecond, const Accuracy& accuracy, char* out,
                    std::size_t outSize);

// Time of day as "HH:MM:SS.fff" with the accuracy's decimals cut (not rounded)
// from the milliseconds; the fraction keeps its "." and no date is shown.
void FormatClockTime(const CalendarTime& time, const Accuracy& accuracy, char* out,
                     std::size_t outSize);
