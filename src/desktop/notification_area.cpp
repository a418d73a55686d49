#include "desktop/notification_area.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/cp932_text.h"
#include "base/seconds_text.h"

namespace desktop {

const char kProgramName[] = "Mipoウォッチ";
const char kShowWindowMenuText[] = "ウィンドウを表示";
const char kExitMenuText[] = "終了";

namespace {

const char kCountdownName[] = "タイマー";
const char kStopwatchName[] = "ストップウォッチ";
const char kPausedWord[] = " 一時停止";
const char kLeftWord[] = " 残り";
const char kOverTimeWord[] = " 超過中！";
const char kEndNotice[] = "タイマーの時間になりました（%s）";
const char kOverrunNotice[] = "タイマーの時間になりました（%s）。超過時間を数えています";
const char kAlarmNotice[] = "目覚ましの時刻になりました（%s）";

const WatchView kStopped = {kWatchStopped, false, 0};

std::string TipLine(const char* name, const WatchView& view, bool countdown) {
  std::string line = name;
  if (view.state == kWatchPaused)
    line += kPausedWord;
  if (countdown)
    line += view.overTime ? kOverTimeWord : kLeftWord;
  char time[48];
  FormatSeconds(view.seconds, time, sizeof time);
  return line + " " + time;
}

IconMark MarkOf(const WatchView& view) {
  if (view.overTime)
    return kOverTimeMark;
  switch (view.state) {
    case kWatchRunning:
      return kRunningMark;
    case kWatchPaused:
      return kPausedMark;
    default:
      return kNoMark;
  }
}

}  // namespace

bool operator==(const WatchView& a, const WatchView& b) {
  return a.state == b.state && a.overTime == b.overTime && a.seconds == b.seconds;
}

void FormatTip(const WatchView& countdown, const WatchView& stopwatch, char* out,
               std::size_t outSize) {
  std::string tip;
  if (countdown.state != kWatchStopped)
    tip = TipLine(kCountdownName, countdown, true);
  if (stopwatch.state != kWatchStopped)
    tip += (tip.empty() ? "" : "\n") + TipLine(kStopwatchName, stopwatch, false);
  if (tip.empty())
    tip = kProgramName;
  CopyWholeCharacters(out, outSize, tip.c_str());
}

IconMark MarkFor(const WatchView& countdown, const WatchView& stopwatch) {
  if (countdown.state != kWatchStopped)
    return MarkOf(countdown);
  return MarkOf(stopwatch);
}

bool FormatZeroNotice(const ZeroReport& zero, char* out, std::size_t outSize) {
  const char* format = nullptr;
  switch (zero.kind) {
    case kEndZero:
      format = kEndNotice;
      break;
    case kOverrunZero:
      format = kOverrunNotice;
      break;
    case kAlarmZero:
      format = kAlarmNotice;
      break;
    default:
      return false;
  }
  if (out == nullptr || outSize == 0)
    return false;
  char time[48];
  FormatSeconds(zero.seconds, time, sizeof time);
  char text[kNotificationTextSize];
  std::snprintf(text, sizeof text, format, time);
  CopyWholeCharacters(out, outSize, text);
  return true;
}

bool NotificationAreaOn(int stored) {
  return stored != 0;
}

NotificationArea::NotificationArea(NotificationIcon& icon)
    : icon_(icon),
      on_(false),
      added_(false),
      ended_(false),
      countdown_(kStopped),
      stopwatch_(kStopped),
      mark_(kNoMark),
      tip_() {
  Compose(&mark_, tip_, sizeof tip_);
}

void NotificationArea::Switch(bool on) {
  if (ended_ || on == on_)
    return;
  on_ = on;
  if (on) {
    added_ = icon_.Add(mark_, tip_);
  } else {
    // Also after a refused add: the shell may have kept it after all.
    icon_.Remove();
    added_ = false;
  }
}

void NotificationArea::Countdown(const WatchView& view) {
  countdown_ = view;
  Refresh();
}

void NotificationArea::Stopwatch(const WatchView& view) {
  const bool stateChanged = view.state != stopwatch_.state;
  stopwatch_ = view;
  if (stateChanged || countdown_.state != kWatchRunning)
    Refresh();
}

void NotificationArea::Zero(const ZeroReport& zero) {
  char text[kNotificationTextSize];
  if (on_ && added_ && FormatZeroNotice(zero, text, sizeof text))
    icon_.Notify(kProgramName, text);
}

void NotificationArea::Recreated() {
  if (on_)
    added_ = icon_.Add(mark_, tip_);
}

void NotificationArea::End() {
  Switch(false);
  ended_ = true;
}

void NotificationArea::Compose(IconMark* mark, char* tip, std::size_t tipSize) const {
  *mark = MarkFor(countdown_, stopwatch_);
  FormatTip(countdown_, stopwatch_, tip, tipSize);
}

void NotificationArea::Refresh() {
  IconMark mark = kNoMark;
  char tip[kTipSize];
  Compose(&mark, tip, sizeof tip);
  if (mark == mark_ && std::strcmp(tip, tip_) == 0)
    return;
  mark_ = mark;
  std::memcpy(tip_, tip, sizeof tip_);
  if (added_)
    icon_.Change(mark_, tip_);
}

}  // namespace desktop
