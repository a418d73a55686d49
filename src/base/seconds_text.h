// Whole seconds as hours, minutes and seconds: the form the countdown shows and
// the notification area repeats for either watch.
#pragma once

#include <cstddef>

// Seconds as "HH:MM:SS": each field "%02d", hours unbounded, truncating
// division; always terminated and never longer than outSize - 1 bytes.
void FormatSeconds(long long seconds, char* out, std::size_t outSize);
