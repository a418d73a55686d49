// What a time display tells accessibility clients: its name (the text it shows,
// and for the full-screen display the notice beside it) and when that name is
// worth announcing. A screen reader speaks every name change it is told of, so
// a display that counts milliseconds must not report each one: the change is
// reported when the whole seconds move on, about once a second, and at once
// when the run comes to rest (stop, pause, zero, bell) so the final time is heard.
#pragma once

#include <cstddef>
#include <cstdint>

namespace display {

// Longest name a display composes: its 31-byte time, a separator and a notice.
constexpr std::size_t kDisplayNameSize = 128;
// Least time between two announcements while a run goes on. Less than the
// second the whole seconds take to move on: the tick that shows a new second
// may come late and the next one on time, and that second must still be
// heard. Seconds that move faster than real time (a catch-up) are heard at
// this pace.
constexpr std::uint32_t kAnnounceIntervalMs = 750;
// The pacer's clock counts in units of 100 ns (a MonotonicClock's).
constexpr std::uint64_t kPacerUnitsPerMs = 10000;

// time, then " " and label when label is not empty; cut to out (size - 1 bytes
// and the terminator) without splitting a double-byte character.
void ComposeDisplayName(const char* time, const char* label, char* out, std::size_t outSize);

// The part of a time text that counts whole seconds: everything before the
// third colon ("00:01:02:345" gives "00:01:02"), or the whole text.
std::size_t WholeSecondsLength(const char* text);

// What a window answers to a request for its text into a buffer of
// bufferChars bytes: the longest start of name that fits with its terminator,
// never half a character. Returns the bytes copied; nothing when the buffer is
// null or empty.
std::size_t CopyNameForCaller(const char* name, char* buffer, std::size_t bufferChars);

class NameChangePacer {
 public:
  // The display now shows text, at nowUnits of a clock that never goes back.
  // True when the change should be announced; the caller then announces it.
  bool ShouldAnnounce(const char* text, std::uint64_t nowUnits);
  // The name was announced at nowUnits outside the pace (a run came to rest).
  void Announced(const char* text, std::uint64_t nowUnits);

 private:
  char seconds_[32] = {};
  bool announced_ = false;
  std::uint64_t lastUnits_ = 0;
};

}  // namespace display
