/* A program linked the way the stopwatch once was: winmm delay-loaded through
   dlltool's library with nothing keeping the thunks. On i686 the linker drops
   them and the slots stay 0; the static check of the shipped files must say so.
   It also calls a winmm function that the delay list lacks, which links from the
   plain import library and loads winmm at start after all: the check must say
   that too. Never run: only read. */
#include <windows.h>
#include <mmsystem.h>

static void CALLBACK Tick(UINT id, UINT message, DWORD_PTR user, DWORD_PTR a, DWORD_PTR b) {
  (void)id, (void)message, (void)user, (void)a, (void)b;
}

int main(void) {
  UINT id = timeSetEvent(10, 1, Tick, 0, TIME_PERIODIC);
  return id != 0 && timeKillEvent(id) == TIMERR_NOERROR && timeGetTime() != 0 ? 0 : 1;
}
