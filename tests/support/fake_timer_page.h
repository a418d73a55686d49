// Recording stand-ins for what the countdown engine asks of the timer page, so
// tests can drive a run tick by tick and look at what the user would see.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "timer/timer_engine.h"

namespace timer_test {

class FakeBell : public timer::BellSound {
 public:
  void Beep() override { ++beeps; }
  void PlayFile(const char* path) override { played.push_back(path); }
  void Silence() override { ++silences; }
  int Rings() const { return beeps + static_cast<int>(played.size()); }
  int beeps = 0, silences = 0;
  std::vector<std::string> played;
};

class FakeMaxDisplay : public timer::MaxDisplay {
 public:
  void Open() override {
    ++opens;
    visible = true;
  }
  bool IsVisible() override { return visible; }
  void ShowText(const char* t) override { text = t; }
  void Show(bool v) override { visible = v; }
  void ShowControls(bool v) override {
    labelVisible = v;
    buttonsVisible = v;
  }
  void ShowLabel() override { labelVisible = true; }
  void SetLabelText(const char* t) override {
    label = t;
    labelVisible = true;
  }
  void SetLabelColor(unsigned long rgb) override { labelColor = rgb; }
  bool visible = false, labelVisible = false, buttonsVisible = false;
  int opens = 0;
  std::string text, label;
  unsigned long labelColor = 0x123456;
};

class FakeStatus : public timer::StatusLine {
 public:
  void SetStatus(const char* t) override {
    text = t;
    history.push_back(t);
  }
  std::string text;
  std::vector<std::string> history;
};

// Only the time of day matters to the countdown; the date is any.
class FakeControls : public timer::TimerControls {
 public:
  void GetFieldTexts(timer::FieldTexts* texts) override {
    snprintf(texts->hours, sizeof texts->hours, "%s", hours.c_str());
    snprintf(texts->minutes, sizeof texts->minutes, "%s", minutes.c_str());
    snprintf(texts->seconds, sizeof texts->seconds, "%s", seconds.c_str());
  }
  void SetStartCaption(const char* t) override { caption = t; }
  void EnableForRun(bool running) override { controls = running ? "running" : "idle"; }
  void RememberDuration() override { ++remembered; }
  void PostStop() override { ++postedStops; }

  std::string hours = "00", minutes = "01", seconds = "00";
  std::string caption;
  std::string controls;
  int remembered = 0;
  int postedStops = 0;
};

// The page as a whole: the recorders and the engine wired to them.
class FakeTimerPage {
 public:
  FakeTimerPage() : engine(Ports()) {}

  timer::TimerPorts Ports() {
    return {ticker, bell, display, maxDisplay, status, clock, controls, runClock};
  }
  void SetFields(const char* h, const char* m, const char* s) {
    controls.hours = h;
    controls.minutes = m;
    controls.seconds = s;
  }
  // One second passes; only an armed ticker delivers its tick.
  void Tick() {
    runClock.Pass(1000);
    if (ticker.armed)
      engine.OnTick();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) Tick();
  }
  // The stop commands the engine posted, handled after the tick that posted them.
  void DeliverPosted() {
    while (controls.postedStops > 0) {
      --controls.postedStops;
      engine.Stop();
    }
  }
  void TickAndDeliver() {
    Tick();
    DeliverPosted();
  }
  std::string Shown() const { return display.Last(); }

  fakes::TickSource ticker;
  FakeBell bell;
  fakes::TimeReadout display;
  FakeMaxDisplay maxDisplay;
  FakeStatus status;
  fakes::LocalClock clock;
  FakeControls controls;
  fakes::MonotonicClock runClock;
  timer::TimerEngine engine;  // last: built after the recorders it talks to
};

}  // namespace timer_test
