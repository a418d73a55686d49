#include "desktop/desktop_presence.h"

namespace desktop {

namespace {

const ProgressView kNothing = {kNoProgress, 0, 0};

class Unheard : public ActivityReport {
 public:
  void CountdownChanged(const ProgressView&) override {}
  void StopwatchTicking(bool) override {}
  void CountdownReachedZero(const ZeroReport&) override {}
  void CountdownTime(const WatchView&) override {}
  void StopwatchTime(const WatchView&) override {}
  void NotificationAreaSwitched(bool) override {}
};

}  // namespace

bool operator==(const ProgressView& a, const ProgressView& b) {
  return a.state == b.state && a.done == b.done && a.total == b.total;
}

ProgressView CombineProgress(const ProgressView& countdown, bool stopwatchTicking) {
  if (countdown.state != kNoProgress)
    return countdown;
  if (stopwatchTicking) {
    const ProgressView busy = {kIndeterminateProgress, 0, 0};
    return busy;
  }
  return kNothing;
}

bool KeepAwake(const ProgressView& countdown, bool stopwatchTicking) {
  return stopwatchTicking || countdown.state == kNormalProgress ||
         countdown.state == kErrorProgress;
}

ActivityReport& UnheardActivity() {
  static Unheard unheard;
  return unheard;
}

DesktopPresence::DesktopPresence(TaskbarProgress& taskbar, AwakeRequest& awake,
                                 AttentionSignal& attention, NotificationIcon& icon)
    : taskbar_(taskbar),
      awake_(awake),
      attention_(attention),
      notifications_(icon),
      countdown_(kNothing),
      stopwatch_(false),
      shown_(kNothing),
      held_(false) {}

DesktopPresence::~DesktopPresence() {
  End();
}

void DesktopPresence::CountdownChanged(const ProgressView& view) {
  countdown_ = view;
  Apply();
}

void DesktopPresence::StopwatchTicking(bool ticking) {
  stopwatch_ = ticking;
  Apply();
}

// The full-screen display is in front of everything already; a window in
// front needs no flashing and no notification either.
void DesktopPresence::CountdownReachedZero(const ZeroReport& zero) {
  if (zero.fullScreenShown || attention_.InFront())
    return;
  attention_.Flash();
  notifications_.Zero(zero);
}

void DesktopPresence::CountdownTime(const WatchView& view) {
  notifications_.Countdown(view);
}

void DesktopPresence::StopwatchTime(const WatchView& view) {
  notifications_.Stopwatch(view);
}

void DesktopPresence::NotificationAreaSwitched(bool on) {
  notifications_.Switch(on);
}

void DesktopPresence::TaskbarReady() {
  taskbar_.Show(shown_);
}

void DesktopPresence::NotificationAreaReady() {
  notifications_.Recreated();
}

void DesktopPresence::End() {
  notifications_.End();
  countdown_ = kNothing;
  stopwatch_ = false;
  Apply();
}

void DesktopPresence::Apply() {
  const ProgressView view = CombineProgress(countdown_, stopwatch_);
  if (view != shown_) {
    shown_ = view;
    taskbar_.Show(view);
  }
  const bool keep = KeepAwake(countdown_, stopwatch_);
  if (keep != held_) {
    held_ = keep;
    awake_.Hold(keep);
  }
}

}  // namespace desktop
