#include "timer/timer_engine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ui/start_button_captions.h"

namespace timer {

TimerEngine::TimerEngine(const TimerPorts& ports)
    : ports_(ports),
      remaining_(0),
      mode_(kNormal),
      repeatSetting_(0),
      repeatCount_(0),
      repeatLeft_(0),
      overrun_(false),
      bellOn_(true),
      maxDisplayOn_(false),
      running_(false),
      paused_(false),
      armed_(false),
      passSeconds_(0),
      zeros_(0),
      lastZero_(),
      secondsCounted_(0),
      countedUnits_(0),
      lastReading_(0),
      catchingUp_(false),
      rang_(false),
      bellFile_() {}

TimerEngine::~TimerEngine() = default;

DurationVerdict TimerEngine::PressStart() {
  if (running_) {
    PauseOrResume();
    return kAccepted;
  }
  const DurationVerdict verdict = CheckDuration(ReadFieldValues(ReadFieldTexts()));
  if (verdict == kAccepted)
    Start();
  return verdict;
}

void TimerEngine::Start() {
  running_ = true;
  paused_ = false;
  ClearNotices();
  ports_.bell.Silence();
  remaining_ = ReadDuration();
  passSeconds_ = remaining_;
  ports_.maxDisplay.SetLabelColor(kLabelBlack);
  char text[kTimeTextSize];
  FormatSeconds(remaining_, text, sizeof text);
  ports_.display.ShowText(text);
  ports_.controls.SetStartCaption(kPauseCaption);
  ports_.controls.EnableForRun(true);
  if (mode_ == kRepeat) {
    repeatCount_ = repeatSetting_ == 0 ? -1 : repeatSetting_;
    repeatLeft_ = repeatCount_;
  }
  if (mode_ == kBells)
    FillPendingBells(text);
  if (maxDisplayOn_)
    ShowMaxDisplay();
  if (mode_ != kAlarm)
    ports_.controls.RememberDuration();
  StartTicking();
}

// The bell-time list is in ascending order; the pending times are kept latest
// first, so the countdown only ever has to look at the first one. A time at or
// above the starting value can never be met and would keep every earlier time
// behind it from ringing, so it is left out.
void TimerEngine::FillPendingBells(const char* startText) {
  pending_.clear();
  for (auto time = bellTimes_.rbegin(); time != bellTimes_.rend(); ++time) {
    if (strcmp(time->c_str(), startText) < 0)
      pending_.push_back(*time);
  }
}

bool TimerEngine::PauseOrResume() {
  if (armed_) {
    StopTicking();
    paused_ = true;
    ports_.controls.SetStartCaption(kResumeCaption);
    return true;
  }
  if (ports_.ticks.Arm(kTimerTickMs))
    armed_ = true;
  paused_ = false;
  // The part of a second that had passed at the pause is not counted, as a
  // tick-counted run would not count it: the next second is a full one.
  countedUnits_ = static_cast<unsigned long long>(secondsCounted_) * kUnitsPerSecond;
  lastReading_ = ports_.runClock.NowUnits();
  ports_.controls.SetStartCaption(kPauseCaption);
  if (maxDisplayOn_)
    ShowMaxDisplay();
  return false;
}

void TimerEngine::Stop() {
  running_ = false;
  paused_ = false;
  overrun_ = false;
  StopTicking();
  ports_.controls.SetStartCaption(kStartCaption);
  ports_.controls.EnableForRun(false);
  if (mode_ == kOverrun)
    ClearNotices();
  ports_.maxDisplay.ShowControls(true);
}

void TimerEngine::StartTicking() {
  StopTicking();
  secondsCounted_ = 0;
  countedUnits_ = 0;
  lastReading_ = ports_.runClock.NowUnits();
  if (ports_.ticks.Arm(kTimerTickMs))
    armed_ = true;
}

void TimerEngine::StopTicking() {
  if (!armed_)
    return;
  ports_.ticks.Disarm();
  armed_ = false;
}

void TimerEngine::OnTick() {
  // A tick of a paused or stopped run may still have been under way.
  if (!running_ || !armed_)
    return;
  const long long due = SecondsDue();
  catchingUp_ = due > 1;
  rang_ = false;
  for (long long i = 0; i < due && running_ && armed_; ++i) CountOneSecond(i + 1 == due);
  catchingUp_ = false;
}

// The whole seconds the run clock has seen beyond those handled, to the nearest:
// ticks come up to a few milliseconds early or late, and one that comes early
// must still count its second. Ticks that arrive in a burst after a wake find
// nothing left to count.
long long TimerEngine::SecondsDue() {
  const unsigned long long now = ports_.runClock.NowUnits();
  if (now > lastReading_) {
    countedUnits_ += now - lastReading_;
    lastReading_ = now;
  }
  const long long seen =
      static_cast<long long>((countedUnits_ + kUnitsPerSecond / 2) / kUnitsPerSecond);
  return seen - secondsCounted_;
}

// One second of a run. Of seconds made up at once, only the last and those
// where something happens (a zero, the end) are shown.
void TimerEngine::CountOneSecond(bool last) {
  ++secondsCounted_;
  AdvanceOneSecond();
  char text[kTimeTextSize];
  FormatSeconds(remaining_, text, sizeof text);
  if (last || remaining_ == 0 || !armed_) {
    ShowRunningNotices(text);
    ShowEverywhere(text);
  }
  RingDueBellTime(text);
  if (remaining_ == 0)
    ReachZero();
}

// Counts down; an overrunning timer turns at zero to count up from 1 and gives
// up at kOverrunLimit, ringing once more, so that a forgotten run ends within a day.
void TimerEngine::AdvanceOneSecond() {
  if (mode_ != kOverrun) {
    --remaining_;
  } else if (!overrun_) {
    --remaining_;
    if (remaining_ == -1) {
      remaining_ = 1;
      overrun_ = true;
    }
  } else {
    ++remaining_;
    if (remaining_ == kOverrunLimit) {
      StopTicking();
      RingBell();
      ports_.controls.PostStop();
      ClearNotices();
    }
  }
}

// The notices that stand while a run goes on: the time over zero, and which
// repetition is running.
void TimerEngine::ShowRunningNotices(const char* text) {
  char notice[kNoticeSize];
  if (overrun_) {
    FormatOverrunStatus(text, notice, sizeof notice);
    ports_.status.SetStatus(notice);
    ports_.maxDisplay.SetLabelColor(kLabelRed);
    ports_.maxDisplay.SetLabelText(kOverrunLabel);
  }
  if (mode_ == kRepeat && repeatCount_ != -1 && repeatCount_ - repeatLeft_ != 0) {
    FormatRepeatNotice(repeatCount_ - repeatLeft_, notice, sizeof notice);
    ShowNotice(notice);
  }
}

// Pending bell times are latest first, so only the first can be due.
void TimerEngine::RingDueBellTime(const char* text) {
  if (mode_ != kBells || pending_.empty() || pending_.front() != text)
    return;
  RingBell();
  char notice[kNoticeSize];
  FormatBellNotice(text, notice, sizeof notice);
  ShowNotice(notice);
  pending_.erase(pending_.begin());
}

void TimerEngine::ReachZero() {
  ++zeros_;
  lastZero_.kind = desktop::kEndZero;
  lastZero_.seconds = passSeconds_;
  char text[kTimeTextSize];
  char notice[kNoticeSize];
  switch (mode_) {
    case kNormal:
    case kBells:
      EndRun();
      break;
    case kAlarm:
      StopTicking();
      RingBell();
      ports_.controls.PostStop();
      lastZero_.kind = desktop::kAlarmZero;
      lastZero_.seconds = TypedSeconds();
      FormatSeconds(lastZero_.seconds, text, sizeof text);
      FormatAlarmStatus(text, notice, sizeof notice);
      ports_.status.SetStatus(notice);
      FormatAlarmLabel(text, notice, sizeof notice);
      ports_.maxDisplay.SetLabelText(notice);
      break;
    case kRepeat:
      if (repeatLeft_ == 0) {
        EndRun();
        break;
      }
      lastZero_.kind = desktop::kPassZero;
      if (repeatCount_ != -1)
        --repeatLeft_;
      remaining_ = ReadDuration();
      passSeconds_ = remaining_;
      if (repeatCount_ != -1) {
        FormatRepeatNotice(repeatCount_ - repeatLeft_, notice, sizeof notice);
        ShowNotice(notice);
      }
      FormatSeconds(remaining_, text, sizeof text);
      ShowEverywhere(text);
      RingBell();
      break;
    case kOverrun:
      lastZero_.kind = desktop::kOverrunZero;
      RingBell();
      break;
  }
}

void TimerEngine::EndRun() {
  StopTicking();
  RingBell();
  ports_.controls.PostStop();
  ClearNotices();
}

void TimerEngine::RingBell() {
  if (!bellOn_)
    return;
  // Events made up after a sleep ring once between them, not once each.
  if (catchingUp_) {
    if (rang_)
      return;
    rang_ = true;
  }
  if (bellFile_[0] == '\0') {
    ports_.bell.Beep();
  } else {
    ports_.bell.PlayFile(bellFile_);
  }
}

void TimerEngine::ClearNotices() {
  ports_.status.SetStatus("");
  ports_.maxDisplay.SetLabelText("");
}

void TimerEngine::ShowNotice(const char* text) {
  ports_.status.SetStatus(text);
  ports_.maxDisplay.SetLabelText(text);
}

void TimerEngine::ShowEverywhere(const char* timeText) {
  ports_.display.ShowText(timeText);
  if (ports_.maxDisplay.IsVisible())
    ports_.maxDisplay.ShowText(timeText);
}

void TimerEngine::SwitchBell(bool on) {
  bellOn_ = on;
  if (!on)
    ports_.bell.Silence();
  ports_.status.SetStatus(on ? kBellOnStatus : kBellOffStatus);
}

int TimerEngine::AddBellTime(const char* text) {
  const auto place = std::lower_bound(bellTimes_.begin(), bellTimes_.end(), std::string(text));
  if (place != bellTimes_.end() && *place == text)
    return static_cast<int>(place - bellTimes_.begin());
  if (bellTimes_.size() >= static_cast<size_t>(kPresetMaxBellTimes))
    return -1;
  // The insertion may move the list: its start is taken after it.
  const auto inserted = bellTimes_.insert(place, text);
  return static_cast<int>(inserted - bellTimes_.begin());
}

void TimerEngine::RemoveBellTime(int index) {
  if (index >= 0 && index < static_cast<int>(bellTimes_.size()))
    bellTimes_.erase(bellTimes_.begin() + index);
}

void TimerEngine::SetBellTimes(const std::vector<std::string>& times) {
  bellTimes_.clear();
  for (const std::string& time : times) AddBellTime(time.c_str());
}

void TimerEngine::SwitchMaxDisplay(bool on) {
  maxDisplayOn_ = on;
  if (on) {
    ports_.status.SetStatus(kMaxDisplayHint);
    if (running_ && !paused_)
      ShowMaxDisplay();
  } else {
    ports_.status.SetStatus("");
    HideMaxDisplay();
  }
}

void TimerEngine::ShowMaxDisplay() {
  char text[kTimeTextSize];
  FormatSeconds(remaining_, text, sizeof text);
  ports_.maxDisplay.Open();
  ports_.maxDisplay.ShowText(text);
  ports_.maxDisplay.ShowControls(false);
  if (HasStandingNotice())
    ports_.maxDisplay.ShowLabel();
  ports_.maxDisplay.Show(true);
}

void TimerEngine::HideMaxDisplay() {
  ports_.maxDisplay.Show(false);
}

bool TimerEngine::HasStandingNotice() const {
  return (mode_ == kRepeat && repeatCount_ != -1 && repeatCount_ - repeatLeft_ != 0) || overrun_;
}

void TimerEngine::SetMode(int mode) {
  mode_ = ModeFromNumber(mode);
}

void TimerEngine::ResetRemaining() {
  remaining_ = 0;
  char text[kTimeTextSize];
  FormatSeconds(remaining_, text, sizeof text);
  ports_.display.ShowText(text);
}

void TimerEngine::SetBellFile(const char* path) {
  snprintf(bellFile_, sizeof bellFile_, "%s", path != nullptr ? path : "");
}

long long TimerEngine::ReadDuration() {
  return ReadDurationAs(mode_);
}

long long TimerEngine::TypedSeconds() {
  return ReadDurationAs(kNormal);
}

long long TimerEngine::ReadDurationAs(TimerMode mode) {
  long long seconds = FieldSeconds(ReadFieldValues(ReadFieldTexts()));
  if (mode == kAlarm)
    seconds = SecondsUntilClock(seconds, SecondsOfDay(ClockTimeOf(ports_.clock.Now())));
  return seconds;
}

FieldTexts TimerEngine::ReadFieldTexts() {
  FieldTexts texts = {};
  ports_.controls.GetFieldTexts(&texts);
  texts.hours[kFieldMaxChars] = '\0';
  texts.minutes[kFieldMaxChars] = '\0';
  texts.seconds[kFieldMaxChars] = '\0';
  return texts;
}

desktop::ProgressView TimerEngine::Progress() const {
  desktop::ProgressView view = {desktop::kNoProgress, 0, 0};
  if (!running_)
    return view;
  // Past zero the bar stays full; a pause shows as a pause even there, so the
  // taskbar never says time is running while it is not.
  if (overrun_) {
    view.state = paused_ ? desktop::kPausedProgress : desktop::kErrorProgress;
    view.done = 1;
    view.total = 1;
    return view;
  }
  view.state = paused_ ? desktop::kPausedProgress : desktop::kNormalProgress;
  view.total = passSeconds_ > 0 ? passSeconds_ : 1;
  const long long done = passSeconds_ - remaining_;
  view.done = done < 0 ? 0 : (done > view.total ? view.total : done);
  return view;
}

desktop::WatchView TimerEngine::View() const {
  desktop::WatchView view = {desktop::kWatchStopped, false, 0};
  if (running_) {
    view.state = paused_ ? desktop::kWatchPaused : desktop::kWatchRunning;
    view.overTime = overrun_;
    view.seconds = remaining_;
  }
  return view;
}

const char* TimerEngine::PendingBellTime(int index) const {
  if (index < 0 || index >= static_cast<int>(pending_.size()))
    return nullptr;
  return pending_[index].c_str();
}

}  // namespace timer
