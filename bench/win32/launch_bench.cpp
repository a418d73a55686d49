// Starts the program and the two yardsticks (the bare one-dialog program and the
// fair one, which adds the program's manifest, font, tab control, list view and
// status bar) in turn, again and again, and reports, for each start, the time from creating the
// process to its first visible top-level window, and the process's peak working set a second later.
// Also reports the sizes of the program and its two hook libraries.
//
//   launch_bench <folder of MipoWatch.exe> <starts>
//   launch_bench <folder of MipoWatch.exe> profile [starts]
//     one untimed start of the program and of the fair dialog (to warm the
//     caches), then starts of each (5 unless given), taking turns, each also
//     reporting the tick count (GetTickCount, the clock of Wine's +timestamp
//     traces) at its creation, first visible window, close request and end, so
//     scripts/startup-profile.sh can place a trace of each process on that line
//
// Output lines, read by scripts/bench.sh:
//   size <file> <bytes>            (-1 when the file is missing)
//   startup <app|bare|fair> <ms>
//   peak <app|bare|fair> <bytes>
//   notice <app|bare|fair> <caption>    a window other than the expected one came first
//   tick <created|shown|close|ended> <pid> <ms> <app|fair>   (profile only)
#include <windows.h>
#include <psapi.h>
#include <winnetwk.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "settings/path_rules.h"

namespace {

const char* const kShippedFiles[] = {"MipoWatch.exe", "KeyHook.dll", "MouseHook.dll"};
const DWORD kSettleMs = 1000;  // after the window shows, before the memory is read
const DWORD kWindowWaitMs = 30000;
bool g_ticks = false;  // profile mode

void Tick(const char* what, DWORD processId, const char* name) {
  if (g_ticks)
    std::printf("tick %s %lu %lu %s\n", what, static_cast<unsigned long>(processId),
                static_cast<unsigned long>(GetTickCount()), name);
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string UserName() {
  char name[256] = {};
  DWORD size = sizeof name;
  if (WNetGetUserA(nullptr, name, &size) != NO_ERROR)
    return std::string();
  name[sizeof name - 1] = '\0';
  return name;
}

// A copy of the program in a folder of the benchmark's own, with a Data.ini that
// says the first-run notices have been read, so the main window comes first.
std::string PrepareProgramCopy(const std::string& buildFolder) {
  const std::string folder = bench::ProgramFolder() + "\\app";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* file : kShippedFiles) {
    CopyFileA((buildFolder + "\\" + file).c_str(), (folder + "\\" + file).c_str(), FALSE);
  }
  const std::string exe = folder + "\\MipoWatch.exe";
  const SettingsLocation where = ComposeSettingsLocation(exe, UserName());
  if (!where.userFolder.empty())
    CreateDirectoryA(where.userFolder.c_str(), nullptr);
  WritePrivateProfileStringA("MainDlg", "FirstFlag", "0", where.iniPath.c_str());
  return exe;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  Search* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// One start: prints the start-up time and the peak working set, then closes the
// program as a user would and waits for it to end.
void MeasureStart(const char* name, const std::string& exe, const char* expectedCaption,
                  bool report) {
  std::string folder = exe.substr(0, exe.find_last_of('\\'));
  std::string command = "\"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created = {};
  const int64_t from = bench::CounterNow();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &created)) {
    std::fprintf(stderr, "launch_bench: %s could not be started\n", exe.c_str());
    return;
  }
  CloseHandle(created.hThread);
  Tick("created", created.dwProcessId, name);
  Search search = {created.dwProcessId, nullptr};
  const DWORD deadline = GetTickCount() + kWindowWaitMs;
  while (search.found == nullptr && GetTickCount() < deadline) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
      Sleep(1);
  }
  const int64_t shown = bench::CounterNow();
  Tick("shown", created.dwProcessId, name);
  if (search.found == nullptr) {
    std::fprintf(stderr, "launch_bench: no window of %s appeared\n", exe.c_str());
    TerminateProcess(created.hProcess, 1);
  } else {
    char caption[256] = {};
    GetWindowTextA(search.found, caption, sizeof caption);
    if (std::strncmp(caption, expectedCaption, std::strlen(expectedCaption)) != 0)
      std::printf("notice %s %s\n", name, caption);
    Sleep(kSettleMs);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    const bool haveMemory = GetProcessMemoryInfo(created.hProcess, &memory, sizeof memory) != 0;
    if (report) {
      std::printf("startup %s %.3f\n", name, bench::CounterSeconds(from, shown) * 1000.0);
      if (haveMemory)
        std::printf("peak %s %lu\n", name, static_cast<unsigned long>(memory.PeakWorkingSetSize));
    }
    Tick("close", created.dwProcessId, name);
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(created.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(created.hProcess, 1);
  Tick("ended", created.dwProcessId, name);
  CloseHandle(created.hProcess);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: launch_bench <folder of MipoWatch.exe> [starts]\n");
    return 2;
  }
  const std::string buildFolder = argv[1];
  const int starts = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 7;
  for (const char* file : kShippedFiles) {
    std::printf("size %s %lld\n", file, FileSize(buildFolder + "\\" + file));
  }
  const std::string app = PrepareProgramCopy(buildFolder);
  const std::string bare = bench::ProgramFolder() + "\\bare_dialog.exe";
  const std::string fair = bench::ProgramFolder() + "\\fair_dialog.exe";
  if (argc > 2 && std::strcmp(argv[2], "profile") == 0) {
    // One traced start says little on a busy machine: the profile takes the
    // median of several, and shows the fair dialog's beside the program's.
    const int profiled = argc > 3 && std::atoi(argv[3]) > 0 ? std::atoi(argv[3]) : 5;
    g_ticks = true;
    MeasureStart("app", app, "Mipo", false);
    MeasureStart("fair", fair, "fair dialog", false);
    for (int i = 0; i < profiled; ++i) {
      if (i % 2 == 0)
        MeasureStart("app", app, "Mipo", true);
      MeasureStart("fair", fair, "fair dialog", true);
      if (i % 2 == 1)
        MeasureStart("app", app, "Mipo", true);
    }
    return 0;
  }
  // One start of each first, so that all meet warm file caches; then they take
  // turns, so a passing disturbance falls on all alike. The order rotates each
  // round, so none of them always follows the same one.
  MeasureStart("app", app, "Mipo", false);
  MeasureStart("bare", bare, "bare dialog", false);
  MeasureStart("fair", fair, "fair dialog", false);
  for (int i = 0; i < starts; ++i) {
    for (int k = 0; k < 3; ++k) {
      switch ((i + k) % 3) {
        case 0:
          MeasureStart("app", app, "Mipo", true);
          break;
        case 1:
          MeasureStart("bare", bare, "bare dialog", true);
          break;
        default:
          MeasureStart("fair", fair, "fair dialog", true);
          break;
      }
    }
  }
  return 0;
}
