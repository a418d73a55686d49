// Keeps processors busy until it is ended: the load under which the stopwatch
// and the countdown must still keep time.
//
//   busy_load <threads>
#include <windows.h>

#include <cstdlib>

namespace {

volatile unsigned long long sink = 0;

DWORD WINAPI Spin(LPVOID) {
  unsigned long long value = 0;
  for (;;) {
    for (int i = 0; i < 1000000; ++i)
      value = value * 6364136223846793005ULL + 1442695040888963407ULL;
    sink = value;
  }
}

}  // namespace

int main(int argc, char** argv) {
  int threads = argc > 1 ? std::atoi(argv[1]) : 1;
  if (threads < 1)
    threads = 1;
  for (int i = 1; i < threads; ++i) CreateThread(nullptr, 0, Spin, nullptr, 0, nullptr);
  Spin(nullptr);
  return 0;
}
