// Runs the real stopwatch and timer pages on the real multimedia timer and
// reports how their counted time compares with the performance counter, and
// what they cost in CPU time.
//
//   page_bench drift <seconds>          four stopwatch pages (1 ms, 10 ms, 100 ms,
//                                       1 s) and one countdown, side by side, once
//                                       on an idle machine and once with the other
//                                       cores kept busy by busy_load.exe
//   page_bench cpu-stopwatch <seconds>  one stopwatch page at 1 ms, visible
//   page_bench cpu-timer <seconds>      one countdown page
//
// Each result is one line of words, read by scripts/bench.sh:
//   drift <idle|load> <page> <period ms> <counted ms> <elapsed ms> <most behind ms> <most ahead ms>
//   lag <idle|load> <page> <period ms> <median ms> <99th percentile ms> <max ms> <samples>
//     how far the display was behind the counter, over every sample of the run
//   cpu <stopwatch|timer> <cpu seconds> <wall seconds>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/clock_win32.h"
#include "base/tick_source_win32.h"
#include "bell/bell_device_win32.h"
#include "bench_support.h"
#include "settings/file_chooser_win32.h"
#include "settings/settings_file_win32.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "timer/timer_dialog_ids.h"
#include "timer/timer_page_win32.h"
#include "ui/messages.h"

namespace {

const int kWindowWidth = 500;
const int kWindowHeight = 240;

// The pages keep their settings and font files in a folder of their own, so the
// benchmark never touches a user's Data.ini.
const SettingsFile& BenchSettings() {
  static const SettingsFile settings = [] {
    const std::string folder = bench::ProgramFolder() + "\\bench-data";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string ini = folder + "\\Data.ini";
    DeleteFileA(ini.c_str());
    return SettingsFile(ini);
  }();
  return settings;
}

void Click(HWND page, int id, int code = BN_CLICKED) {
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// Milliseconds of a shown time: "HH:MM:SS", or "HH:MM:SS:f" with 1 to 3 digits
// of fraction.
double TextMs(const char* text) {
  double fields[4] = {0, 0, 0, 0};
  int digits[4] = {0, 0, 0, 0};
  int field = 0;
  for (const char* p = text; *p != '\0' && field < 4; ++p) {
    if (*p == ':') {
      ++field;
    } else if (*p >= '0' && *p <= '9') {
      fields[field] = fields[field] * 10 + (*p - '0');
      ++digits[field];
    }
  }
  double fraction = fields[3];
  for (int i = 0; i < digits[3]; ++i) fraction /= 10;
  return ((fields[0] * 60 + fields[1]) * 60 + fields[2] + fraction) * 1000.0;
}

// One page in a top-level window with its own status bar.
class Host {
 public:
  Host(const char* title, int slot) {
    const int x = (slot % 2) * (kWindowWidth + 10);
    const int y = (slot / 2) * (kWindowHeight + 10);
    window_ = bench::CreateHostWindow(title, x, y, kWindowWidth, kWindowHeight);
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~Host() {
    if (window_ != nullptr)
      DestroyWindow(window_);
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  HWND Window() const { return window_; }
  HWND StatusBar() const { return statusBar_; }

 private:
  HWND window_ = nullptr;
  HWND statusBar_ = nullptr;
};

// What every page under measurement offers: start, stop, and the time it has
// counted so far in milliseconds. Start and stop are handled at once, inside
// the call, so the counter readings taken just before them mark the two ends of
// the run as the page sees them: the count a stop leaves is the count the page
// held at that moment, whatever ticks were still on their way.
class Rig {
 public:
  virtual ~Rig() = default;
  virtual const char* Name() const = 0;
  virtual double PeriodMs() const = 0;
  virtual void Prepare() {}
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual double CountedMs() const = 0;
  // The time the page's display shows now, in milliseconds counted.
  virtual double ShownMs() const = 0;

  // Called between message batches: how far the shown time strays.
  void Sample(int64_t now) {
    const double gap = ShownMs() - bench::CounterSeconds(started_, now) * 1000.0;
    if (-gap > behindMs_)
      behindMs_ = -gap;
    if (gap > aheadMs_)
      aheadMs_ = gap;
    lagMs_.push_back(-gap);
  }
  void Begin() {
    behindMs_ = 0.0;
    aheadMs_ = 0.0;
    lagMs_.clear();
    started_ = bench::CounterNow();
    Start();
  }
  void End() {
    stopped_ = bench::CounterNow();
    Stop();
  }
  // After the stop has been handled: the count it left against the time between
  // the two presses.
  void Report(const char* phase) {
    const double elapsedMs = bench::CounterSeconds(started_, stopped_) * 1000.0;
    std::printf("drift %s %s %.0f %.3f %.3f %.3f %.3f\n", phase, Name(), PeriodMs(), CountedMs(),
                elapsedMs, behindMs_, aheadMs_);
    if (!lagMs_.empty()) {
      // Nearest-rank percentiles: the figures are samples that were taken.
      std::vector<double> sorted = lagMs_;
      std::sort(sorted.begin(), sorted.end());
      const size_t n = sorted.size();
      auto rank = [&](double share) {
        size_t index = static_cast<size_t>(share * static_cast<double>(n) + 0.999999);
        index = index == 0 ? 0 : index - 1;
        return sorted[std::min(index, n - 1)];
      };
      std::printf("lag %s %s %.0f %.3f %.3f %.3f %lu\n", phase, Name(), PeriodMs(), rank(0.5),
                  rank(0.99), sorted[n - 1], static_cast<unsigned long>(n));
    }
    std::fflush(stdout);
  }

 private:
  int64_t started_ = 0;
  int64_t stopped_ = 0;
  double behindMs_ = 0.0;
  double aheadMs_ = 0.0;
  std::vector<double> lagMs_;
};

class StopwatchRig : public Rig {
 public:
  StopwatchRig(int accuracyIndex, const char* name, int slot)
      : name_(name),
        page_(new StopwatchPage(BenchSettings(), ticks_, counter_, clock_, chooser_)),
        host_(name, slot) {
    page_->Open(host_.Window(), host_.StatusBar(), 0);
    ticks_.Bind(page_->Window());
    HWND list = GetDlgItem(page_->Window(), IDC_SW_ACCURACY);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(accuracyIndex), 0);
    Click(page_->Window(), IDC_SW_ACCURACY, CBN_SELCHANGE);
  }
  const char* Name() const override { return name_; }
  double PeriodMs() const override { return page_->Engine().CurrentAccuracy().tickPeriodMs; }
  void Prepare() override { Click(page_->Window(), IDC_SW_CLEAR); }
  void Start() override { Click(page_->Window(), IDC_SW_START); }
  void Stop() override { Click(page_->Window(), IDC_SW_STOP); }
  double CountedMs() const override {
    return static_cast<double>(page_->Engine().Ticks()) * PeriodMs();
  }
  double ShownMs() const override { return TextMs(page_->Display().Text()); }

 private:
  const char* name_;
  // The program's own services: real ticks, counted against the performance counter.
  MultimediaTickSource ticks_{WM_MIPO_STOPWATCH_TICK};
  PerformanceCounterClock counter_;
  SystemLocalClock clock_;
  SystemFileChooser chooser_;
  // Destroyed in reverse order, as in the program: the windows first (which
  // saves the settings), then the page object.
  std::unique_ptr<StopwatchPage> page_;
  Host host_;
};

class TimerRig : public Rig {
 public:
  TimerRig(int slot, double seconds)
      : page_(new TimerPage(BenchSettings(), ticks_, counter_, clock_, names_, bell_, monitors_,
                            boxes_)),
        host_("countdown", slot) {
    page_->Open(host_.Window(), host_.StatusBar(), 0);
    ticks_.Bind(page_->Window());
    // Long enough never to reach zero during the run.
    long long total = static_cast<long long>(seconds) + 60;
    if (total > 86399)
      total = 86399;
    duration_ = total;
    char text[8];
    std::snprintf(text, sizeof text, "%02lld", total / 3600);
    SetDlgItemTextA(page_->Window(), IDC_TM_HOURS, text);
    std::snprintf(text, sizeof text, "%02lld", total % 3600 / 60);
    SetDlgItemTextA(page_->Window(), IDC_TM_MINUTES, text);
    std::snprintf(text, sizeof text, "%02lld", total % 60);
    SetDlgItemTextA(page_->Window(), IDC_TM_SECONDS, text);
  }
  const char* Name() const override { return "countdown"; }
  double PeriodMs() const override { return 1000.0; }
  void Start() override { Click(page_->Window(), IDC_TM_START); }
  void Stop() override { Click(page_->Window(), IDC_TM_STOP); }
  double CountedMs() const override {
    return static_cast<double>(duration_ - page_->Engine().Remaining()) * 1000.0;
  }
  double ShownMs() const override {
    return static_cast<double>(duration_) * 1000.0 - TextMs(page_->Display().Text());
  }

 private:
  MultimediaTickSource ticks_{WM_MIPO_TIMER_TICK};
  PerformanceCounterClock counter_;
  SystemLocalClock clock_;
  SystemMessageBoxes boxes_;
  PresetNameDialogAsker names_{boxes_};
  SystemMonitors monitors_;
  MciBellDevice bell_;
  std::unique_ptr<TimerPage> page_;
  Host host_;
  long long duration_ = 0;
};

// Keeps the other cores busy from another process for as long as it lives.
class Load {
 public:
  Load() : process_(nullptr) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const int threads = info.dwNumberOfProcessors > 1 ? info.dwNumberOfProcessors - 1 : 1;
    char command[MAX_PATH + 32];
    std::snprintf(command, sizeof command, "\"%s\\busy_load.exe\" %d",
                  bench::ProgramFolder().c_str(), threads);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &created)) {
      CloseHandle(created.hThread);
      process_ = created.hProcess;
      // Let the load get going before anything is measured.
      Sleep(500);
    } else {
      std::fprintf(stderr, "page_bench: busy_load.exe could not be started\n");
    }
  }
  ~Load() {
    if (process_ == nullptr)
      return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
  }
  Load(const Load&) = delete;
  Load& operator=(const Load&) = delete;

 private:
  HANDLE process_;
};

void RunPhase(const char* phase, const std::vector<Rig*>& rigs, double seconds) {
  for (Rig* rig : rigs) rig->Prepare();
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 0.2));
  for (Rig* rig : rigs) rig->Begin();
  // Half a period more, so the 1 s pages do not end on a period boundary where a
  // millisecond of start-up decides between two whole counts.
  const int64_t end = bench::CounterAfter(bench::CounterNow(), seconds + 0.5);
  int64_t nextSample = 0;
  bench::PumpUntil(end, [&] {
    const int64_t now = bench::CounterNow();
    if (now < nextSample)
      return;
    for (Rig* rig : rigs) rig->Sample(now);
    nextSample = bench::CounterAfter(now, 0.1);
  });
  for (Rig* rig : rigs) rig->End();
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 0.3));
  for (Rig* rig : rigs) rig->Report(phase);
}

int Drift(double seconds) {
  StopwatchRig ms1(0, "stopwatch-1ms", 0);
  StopwatchRig ms10(1, "stopwatch-10ms", 1);
  StopwatchRig ms100(2, "stopwatch-100ms", 2);
  StopwatchRig s1(3, "stopwatch-1s", 3);
  TimerRig countdown(4, seconds);
  const std::vector<Rig*> rigs = {&ms1, &ms10, &ms100, &s1, &countdown};
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 0.5));
  RunPhase("idle", rigs, seconds);
  {
    Load load;
    RunPhase("load", rigs, seconds);
  }
  return 0;
}

void ReportCpu(const char* what, Rig& rig, double seconds) {
  rig.Begin();
  // The first second settles the timer and the first drawing.
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 1.0));
  const double cpuBefore = bench::ProcessCpuSeconds(GetCurrentProcess());
  const int64_t from = bench::CounterNow();
  bench::PumpUntil(bench::CounterAfter(from, seconds));
  const double cpuAfter = bench::ProcessCpuSeconds(GetCurrentProcess());
  const int64_t to = bench::CounterNow();
  rig.Stop();
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 0.3));
  std::printf("cpu %s %.4f %.4f\n", what, cpuAfter - cpuBefore, bench::CounterSeconds(from, to));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: page_bench drift|cpu-stopwatch|cpu-timer <seconds>\n");
    return 2;
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  BenchSettings();
  const std::string mode = argv[1];
  const double seconds = bench::SecondsArgument(argc, argv, 2, 120.0);
  if (mode == "drift")
    return Drift(seconds);
  if (mode == "cpu-stopwatch") {
    StopwatchRig rig(0, "stopwatch-1ms", 0);
    ReportCpu("stopwatch", rig, seconds);
    return 0;
  }
  if (mode == "cpu-timer") {
    TimerRig rig(0, seconds + 2);
    ReportCpu("timer", rig, seconds);
    return 0;
  }
  std::fprintf(stderr, "page_bench: unknown mode %s\n", mode.c_str());
  return 2;
}
