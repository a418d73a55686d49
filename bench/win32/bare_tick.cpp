// The least a 1 ms stopwatch can do: arm the same periodic multimedia timer,
// post the same tick message to a visible window and pump it through the same
// loop, counting it and nothing more. Its CPU time is the yardstick for the
// stopwatch page's.
//
//   bare_tick <seconds>   prints: cpu bare <cpu seconds> <wall seconds>
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "ui/messages.h"
#include "bench_support.h"

namespace {

const UINT kPeriodMs = 1;
unsigned long long ticksSeen = 0;

void CALLBACK PostTick(UINT, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
  PostMessageA(reinterpret_cast<HWND>(window), WM_MIPO_STOPWATCH_TICK, 0, 0);
}

LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MIPO_STOPWATCH_TICK) {
    ++ticksSeen;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = bench::SecondsArgument(argc, argv, 1, 30.0);
  HWND window = bench::CreateHostWindow("bare tick", 0, 0, 500, 240, Receive);
  if (window == nullptr || timeBeginPeriod(kPeriodMs) != TIMERR_NOERROR)
    return 1;
  const UINT id = timeSetEvent(kPeriodMs, kPeriodMs, PostTick, reinterpret_cast<DWORD_PTR>(window),
                               TIME_PERIODIC);
  if (id == 0)
    return 1;
  bench::PumpUntil(bench::CounterAfter(bench::CounterNow(), 1.0));
  const double cpuBefore = bench::ProcessCpuSeconds(GetCurrentProcess());
  const int64_t from = bench::CounterNow();
  bench::PumpUntil(bench::CounterAfter(from, seconds));
  const double cpuAfter = bench::ProcessCpuSeconds(GetCurrentProcess());
  const int64_t to = bench::CounterNow();
  timeKillEvent(id);
  timeEndPeriod(kPeriodMs);
  DestroyWindow(window);
  std::printf("cpu bare %.4f %.4f %llu\n", cpuAfter - cpuBefore, bench::CounterSeconds(from, to),
              ticksSeen);
  return 0;
}
