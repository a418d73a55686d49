#include "display/display_name.h"

#include <cstring>
#include <initializer_list>

#include "base/cp932_text.h"

namespace display {

namespace {

const char kNameSeparator[] = " ";
const int kSecondsFields = 3;

}  // namespace

void ComposeDisplayName(const char* time, const char* label, char* out, std::size_t outSize) {
  if (out == nullptr || outSize == 0)
    return;
  CopyWholeCharacters(out, outSize, time != nullptr ? time : "");
  if (label == nullptr || label[0] == '\0')
    return;
  for (const char* part : {kNameSeparator, label}) {
    const std::size_t used = std::strlen(out);
    CopyWholeCharacters(out + used, outSize - used, part);
  }
}

std::size_t WholeSecondsLength(const char* text) {
  if (text == nullptr)
    return 0;
  int colons = 0;
  std::size_t i = 0;
  for (; text[i] != '\0'; ++i) {
    if (text[i] == ':' && ++colons == kSecondsFields)
      break;
  }
  return i;
}

std::size_t CopyNameForCaller(const char* name, char* buffer, std::size_t bufferChars) {
  if (buffer == nullptr || bufferChars == 0)
    return 0;
  CopyWholeCharacters(buffer, bufferChars, name != nullptr ? name : "");
  return std::strlen(buffer);
}

bool NameChangePacer::ShouldAnnounce(const char* text, std::uint64_t nowUnits) {
  const std::size_t length = WholeSecondsLength(text);
  const bool moved =
      !announced_ || length != std::strlen(seconds_) || std::strncmp(seconds_, text, length) != 0;
  const bool early =
      announced_ && nowUnits - lastUnits_ < std::uint64_t{kAnnounceIntervalMs} * kPacerUnitsPerMs;
  if (!moved || early)
    return false;
  Announced(text, nowUnits);
  return true;
}

void NameChangePacer::Announced(const char* text, std::uint64_t nowUnits) {
  const std::size_t length = WholeSecondsLength(text);
  const std::size_t kept = length < sizeof seconds_ ? length : sizeof seconds_ - 1;
  std::memcpy(seconds_, text != nullptr ? text : "", kept);
  seconds_[kept] = '\0';
  announced_ = true;
  lastUnits_ = nowUnits;
}

}  // namespace display
