// Small pieces shared by the benchmark programs: the performance counter, the
// CPU time of a process, and one message loop that every program pumps the same
// way, so that what differs between two programs is what they do per message.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

inline int64_t CounterNow() {
  LARGE_INTEGER value;
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

inline double CounterSeconds(int64_t from, int64_t to) {
  static int64_t frequency = 0;
  if (frequency == 0) {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    frequency = value.QuadPart;
  }
  return static_cast<double>(to - from) / static_cast<double>(frequency);
}

inline int64_t CounterAfter(int64_t from, double seconds) {
  LARGE_INTEGER value;
  QueryPerformanceFrequency(&value);
  return from + static_cast<int64_t>(seconds * static_cast<double>(value.QuadPart));
}

// User plus kernel time of a process so far, in seconds.
inline double ProcessCpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
    return 0.0;
  auto seconds = [](const FILETIME& t) {
    const uint64_t units = (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(units) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Handles every message until the counter reaches end, sleeping in between.
// between() runs after each batch of messages.
template <typename Between>
void PumpUntil(int64_t end, Between between) {
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    between();
    const int64_t now = CounterNow();
    if (now >= end)
      return;
    double left = CounterSeconds(now, end) * 1000.0;
    if (left > 50.0)
      left = 50.0;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
  }
}

inline void PumpUntil(int64_t end) {
  PumpUntil(end, [] {});
}

// The folder of this program, without the final backslash.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string text = path;
  const std::string::size_type cut = text.find_last_of('\\');
  return cut == std::string::npos ? std::string(".") : text.substr(0, cut);
}

// Seconds given on the command line, or the fallback.
inline double SecondsArgument(int argc, char** argv, int index, double fallback) {
  if (argc <= index)
    return fallback;
  const double value = std::atof(argv[index]);
  return value > 0.0 ? value : fallback;
}

// A plain visible top-level window to host a page or receive ticks.
inline HWND CreateHostWindow(const char* title, int x, int y, int width, int height,
                             WNDPROC procedure = DefWindowProcA) {
  static const char kClass[] = "MipoBenchHost";
  static const char kCustomClass[] = "MipoBenchReceiver";
  const char* className = procedure == DefWindowProcA ? kClass : kCustomClass;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);  // fails harmlessly when already registered
  return CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace bench
