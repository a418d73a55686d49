// The program's icon in the notification area: what its tip says, which mark
// it wears over the program's icon, and the notification when time is up. The
// pages' reports reach it through DesktopPresence; this portable part decides
// what the shell is asked, and asks only when the answer changes. The shell's
// side is the small NotificationIcon interface below.
#pragma once

#include <cstddef>

namespace desktop {

// A watch as the notification area names it.
enum WatchState { kWatchStopped = 0, kWatchRunning, kWatchPaused };

struct WatchView {
  WatchState state;
  bool overTime;      // a countdown counting on past zero
  long long seconds;  // whole seconds left, past zero, or counted (stopwatch)
};

bool operator==(const WatchView& a, const WatchView& b);
inline bool operator!=(const WatchView& a, const WatchView& b) {
  return !(a == b);
}

// Which zero a countdown reached.
enum ZeroKind {
  kPassZero,     // a repeat's pass ended and the next one began
  kEndZero,      // the countdown ended (plain, bells, the last repeat)
  kOverrunZero,  // zero, and the countdown counts on past it
  kAlarmZero,    // the alarm's clock time came
};

struct ZeroReport {
  ZeroKind kind;
  long long seconds;     // the pass's length; for the alarm, its clock time
  bool fullScreenShown;  // the full-screen display covers the screen
};

// The mark the icon wears over the program's own icon.
enum IconMark { kNoMark = 0, kRunningMark, kPausedMark, kOverTimeMark };
constexpr int kIconMarkCount = 4;

// The shell's tip buffer, terminator included.
constexpr std::size_t kTipSize = 128;
// Room for a notification's text, terminator included.
constexpr std::size_t kNotificationTextSize = 256;

// The tip when nothing runs, and the notification's caption.
extern const char kProgramName[];
// The icon's menu.
extern const char kShowWindowMenuText[];
extern const char kExitMenuText[];

// One line for each watch that runs or is paused (the countdown first), or the
// program's name when neither does; cut to outSize - 1 bytes without splitting
// a character.
void FormatTip(const WatchView& countdown, const WatchView& stopwatch, char* out,
               std::size_t outSize);
// Over time outranks a pause, and the countdown the stopwatch.
IconMark MarkFor(const WatchView& countdown, const WatchView& stopwatch);
// The notification's text for a zero; false for a zero that ends nothing (a
// repeat going on to its next pass), which has no notification.
bool FormatZeroNotice(const ZeroReport& zero, char* out, std::size_t outSize);
// The stored switch (1 when missing): only 0 turns the icon off.
bool NotificationAreaOn(int stored);

// The shell's notification area.
class NotificationIcon {
 public:
  virtual ~NotificationIcon() = default;
  // Puts the icon there; false when the shell refused it.
  virtual bool Add(IconMark mark, const char* tip) = 0;
  virtual void Change(IconMark mark, const char* tip) = 0;
  // A notification beside the icon that makes no sound of its own.
  virtual void Notify(const char* caption, const char* text) = 0;
  virtual void Remove() = 0;
};

class NotificationArea {
 public:
  explicit NotificationArea(NotificationIcon& icon);
  NotificationArea(const NotificationArea&) = delete;
  NotificationArea& operator=(const NotificationArea&) = delete;

  // The user's switch, and the stored one at start: the icon comes or goes.
  void Switch(bool on);
  // Each watch's state and whole seconds, told when they change. While the
  // countdown runs it alone paces the tip (once a second): the stopwatch's
  // seconds wait for its next second, so the tip never changes more often.
  void Countdown(const WatchView& view);
  void Stopwatch(const WatchView& view);
  // A zero while the program is not in front.
  void Zero(const ZeroReport& zero);
  // The shell's area was made again: it lost the icon.
  void Recreated();
  // The program ends: the icon goes and nothing brings it back.
  void End();

  bool On() const { return on_; }
  const char* Tip() const { return tip_; }
  IconMark Mark() const { return mark_; }

 private:
  void Compose(IconMark* mark, char* tip, std::size_t tipSize) const;
  void Refresh();

  NotificationIcon& icon_;
  bool on_;
  bool added_;
  bool ended_;
  WatchView countdown_;
  WatchView stopwatch_;
  IconMark mark_;
  char tip_[kTipSize];
};

}  // namespace desktop
