// Where an engine shows its running time: the page's time display, in tests a
// recorder. Both watches show theirs through it.
#pragma once

class TimeReadout {
 public:
  virtual ~TimeReadout() = default;
  virtual void ShowText(const char* text) = 0;
};
