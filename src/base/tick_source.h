// The periodic tick both watches run on. Ticks arrive later, on the UI thread,
// as the engine's OnTick; the tick only says when to look at the clock, so a
// late, bunched or missing tick costs no time.
#pragma once

#include <cstdint>

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Starts ticking every periodMs; false when no tick could be armed.
  virtual bool Arm(uint32_t periodMs) = 0;
  // Stops ticking and drops the ticks not yet handled.
  virtual void Disarm() = 0;
};
