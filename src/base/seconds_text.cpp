#include "base/seconds_text.h"

#include <cstdio>

void FormatSeconds(long long seconds, char* out, std::size_t outSize) {
  if (out == nullptr || outSize == 0)
    return;
  const long long hours = seconds / 3600;
  const long long minutes = (seconds - hours * 3600) / 60;
  const long long secs = seconds - hours * 3600 - minutes * 60;
  // Hours keep every digit: cutting them to int would wrap past 2^31 hours.
  char h[24], m[24], s[24];
  std::snprintf(h, sizeof h, "%02lld", hours);
  std::snprintf(m, sizeof m, "%02d", static_cast<int>(minutes));
  std::snprintf(s, sizeof s, "%02d", static_cast<int>(secs));
  std::snprintf(out, outSize, "%s:%s:%s", h, m, s);
}
