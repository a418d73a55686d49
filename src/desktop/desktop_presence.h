// What the program shows of itself on the desktop beyond its own windows: the
// taskbar button's progress, the request that keeps the machine awake while
// something is timing, the call for attention when a countdown reaches zero,
// and the icon in the notification area with its notification when time is up.
// The pages report what they are doing; this portable part decides what the
// desktop is asked, and asks it only when the answer changes. The platform's
// answers come in as the small interfaces below.
#pragma once

#include "desktop/notification_area.h"

namespace desktop {

enum ProgressState {
  kNoProgress = 0,
  kNormalProgress,
  kPausedProgress,
  kErrorProgress,
  kIndeterminateProgress,
};

// A state and, for the states that have one, how much of total is done.
struct ProgressView {
  ProgressState state;
  long long done;
  long long total;
};

bool operator==(const ProgressView& a, const ProgressView& b);
inline bool operator!=(const ProgressView& a, const ProgressView& b) {
  return !(a == b);
}

// The taskbar button shows the countdown whenever it has something to show;
// otherwise a ticking stopwatch (which has no end) makes it indeterminate.
ProgressView CombineProgress(const ProgressView& countdown, bool stopwatchTicking);
// The machine must stay awake while either watch counts; paused or stopped
// ones do not need it.
bool KeepAwake(const ProgressView& countdown, bool stopwatchTicking);

// The taskbar button's progress.
class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  virtual void Show(const ProgressView& view) = 0;
};

// The request that the system stay out of sleep.
class AwakeRequest {
 public:
  virtual ~AwakeRequest() = default;
  virtual void Hold(bool held) = 0;
};

// The main window's call for attention.
class AttentionSignal {
 public:
  virtual ~AttentionSignal() = default;
  virtual bool InFront() = 0;  // the main window is the foreground window
  virtual void Flash() = 0;    // flash its taskbar button until it comes to the front
};

// What the pages tell: at each change of the countdown (at most once a second
// while it runs), when the stopwatch starts or stops counting, at each zero,
// each watch's state and whole seconds when they change, and the user's switch
// of the notification area.
class ActivityReport {
 public:
  virtual ~ActivityReport() = default;
  virtual void CountdownChanged(const ProgressView& view) = 0;
  virtual void StopwatchTicking(bool ticking) = 0;
  virtual void CountdownReachedZero(const ZeroReport& zero) = 0;
  virtual void CountdownTime(const WatchView& view) = 0;
  virtual void StopwatchTime(const WatchView& view) = 0;
  virtual void NotificationAreaSwitched(bool on) = 0;
};

// A report nobody listens to, for pages built without a desktop.
ActivityReport& UnheardActivity();

class DesktopPresence : public ActivityReport {
 public:
  DesktopPresence(TaskbarProgress& taskbar, AwakeRequest& awake, AttentionSignal& attention,
                  NotificationIcon& icon);
  ~DesktopPresence() override;
  DesktopPresence(const DesktopPresence&) = delete;
  DesktopPresence& operator=(const DesktopPresence&) = delete;

  void CountdownChanged(const ProgressView& view) override;
  void StopwatchTicking(bool ticking) override;
  void CountdownReachedZero(const ZeroReport& zero) override;
  void CountdownTime(const WatchView& view) override;
  void StopwatchTime(const WatchView& view) override;
  void NotificationAreaSwitched(bool on) override;

  // The taskbar button was (re)created: it shows nothing until told again.
  void TaskbarReady();
  // The shell's notification area was (re)made (Explorer started again): the
  // icon it lost is added again.
  void NotificationAreaReady();
  // The program ends: the awake request, the progress and the icon go with it.
  void End();

  const ProgressView& Shown() const { return shown_; }
  bool AwakeHeld() const { return held_; }
  const NotificationArea& Notifications() const { return notifications_; }

 private:
  void Apply();

  TaskbarProgress& taskbar_;
  AwakeRequest& awake_;
  AttentionSignal& attention_;
  NotificationArea notifications_;
  ProgressView countdown_;
  bool stopwatch_;
  ProgressView shown_;
  bool held_;
};

}  // namespace desktop
