// The stand-ins every suite shares for the portable interfaces: clocks set by
// hand, a tick source and a settings save that record what they were asked, a
// time readout. One of each; a suite that needs more from one adds it here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/calendar_time.h"
#include "base/clock.h"
#include "base/tick_source.h"
#include "base/time_readout.h"
#include "desktop/desktop_presence.h"
#include "settings_page/settings_rules.h"

namespace fakes {

// The local time of day, set by the test.
class LocalClock : public ::LocalClock {
 public:
  CalendarTime Now() override { return now; }
  void Set(int hour, int minute, int second, int milliseconds = 0) {
    now.hour = static_cast<uint16_t>(hour);
    now.minute = static_cast<uint16_t>(minute);
    now.second = static_cast<uint16_t>(second);
    now.milliseconds = static_cast<uint16_t>(milliseconds);
  }
  CalendarTime now = {2024, 3, 5, 15, 9, 0, 0, 0};
};

// A monotonic clock that moves only when the test moves it.
class MonotonicClock : public ::MonotonicClock {
 public:
  static constexpr uint64_t kUnitsPerMillisecond = 10000;
  uint64_t NowUnits() override { return units; }
  void Pass(uint64_t milliseconds) { units += milliseconds * kUnitsPerMillisecond; }
  uint64_t units = 987654321;  // an origin of its own, not zero
};

// Records arming; ticks come only as the test hands them to the engine.
class TickSource : public ::TickSource {
 public:
  bool Arm(uint32_t periodMs) override {
    ++arms;
    period = periodMs;
    armed = armSucceeds;
    return armSucceeds;
  }
  void Disarm() override {
    ++disarms;
    armed = false;
  }
  bool armSucceeds = true;
  bool armed = false;
  int arms = 0;
  int disarms = 0;
  uint32_t period = 0;
};

// Where the settings tab's values go when it saves: each key written as
// "Key=value" and each refused bell file as "refused", in order. Every path
// exists, or none does.
class SettingsSaveTarget : public ::SettingsSaveTarget {
 public:
  explicit SettingsSaveTarget(bool pathsExist = false) : pathsExist(pathsExist) {}
  void Write(const char* key, const char* value) override {
    events.push_back(std::string(key) + "=" + value);
  }
  bool PathExists(const char*) override { return pathsExist; }
  void ReportInvalidBellFile() override { events.push_back("refused"); }
  bool pathsExist;
  std::vector<std::string> events;
};

// Every text a watch showed, in order.
class TimeReadout : public ::TimeReadout {
 public:
  void ShowText(const char* text) override { shown.push_back(text); }
  std::string Last() const { return shown.empty() ? std::string() : shown.back(); }
  std::vector<std::string> shown;
};

// A progress as a text: "normal 1/3", "paused 1/3", "none 0/0".
inline std::string ProgressText(const desktop::ProgressView& view) {
  static const char* const kStates[] = {"none", "normal", "paused", "error", "busy"};
  return std::string(kStates[view.state]) + " " + std::to_string(view.done) + "/" +
         std::to_string(view.total);
}

// What the pages report to the desktop, in order; zeros by whether the full
// screen covered them.
class ActivityReport : public desktop::ActivityReport {
 public:
  void CountdownChanged(const desktop::ProgressView& view) override {
    progress.push_back(ProgressText(view));
  }
  void StopwatchTicking(bool ticking) override { stopwatchTicking.push_back(ticking); }
  void CountdownReachedZero(const desktop::ZeroReport& zero) override {
    zeros.push_back(zero.fullScreenShown);
  }
  void CountdownTime(const desktop::WatchView&) override {}
  void StopwatchTime(const desktop::WatchView&) override {}
  void NotificationAreaSwitched(bool) override {}
  std::vector<std::string> progress;
  std::vector<bool> stopwatchTicking;
  std::vector<bool> zeros;
};

// The notification area's icon: what the shell was asked, in order, as texts
// ("add running タイマー 残り 00:00:03", "change ...", "notify <caption>: <text>",
// "remove").
class NotificationIcon : public desktop::NotificationIcon {
 public:
  bool Add(desktop::IconMark mark, const char* tip) override {
    calls.push_back("add " + Look(mark, tip));
    return addSucceeds;
  }
  void Change(desktop::IconMark mark, const char* tip) override {
    calls.push_back("change " + Look(mark, tip));
  }
  void Notify(const char* caption, const char* text) override {
    calls.push_back(std::string("notify ") + caption + ": " + text);
  }
  void Remove() override { calls.push_back("remove"); }
  // How many calls began with verb.
  int Count(const std::string& verb) const {
    int n = 0;
    for (const std::string& call : calls) n += call.compare(0, verb.size(), verb) == 0 ? 1 : 0;
    return n;
  }
  static std::string Look(desktop::IconMark mark, const char* tip) {
    static const char* const kMarks[] = {"plain", "running", "paused", "over"};
    return std::string(kMarks[mark]) + " " + tip;
  }
  bool addSucceeds = true;
  std::vector<std::string> calls;
};

// The desktop's side: what the taskbar button, the awake request and the call
// for attention were asked.
class Desktop : public desktop::TaskbarProgress,
                public desktop::AwakeRequest,
                public desktop::AttentionSignal {
 public:
  void Show(const desktop::ProgressView& view) override { shown.push_back(ProgressText(view)); }
  void Hold(bool held) override { holds.push_back(held); }
  bool InFront() override { return inFront; }
  void Flash() override { ++flashes; }
  std::vector<std::string> shown;
  std::vector<bool> holds;
  bool inFront = false;
  int flashes = 0;
};

}  // namespace fakes
