#include "program_runner.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "dialogs.h"
#include "win32_test_support.h"

namespace reliability {

const char kStopwatchTitle[] = "Mipoウォッチ　[ストップウォッチ]";
const char kTimerTitle[] = "Mipoウォッチ　[タイマー]";

namespace {

const char kBinDir[] = MIPO_BIN_DIR;
const char* const kProgramFiles[] = {"MipoWatch.exe", "KeyHook.dll", "MouseHook.dll"};

// Walks whole cp932 characters, so a trail byte 0x5C is not a separator.
std::vector<size_t> SeparatorPositions(const std::string& path) {
  std::vector<size_t> positions;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (path[i] == '\\')
      positions.push_back(i);
  }
  return positions;
}

void ListInto(const std::string& root, const std::string& relative, std::vector<std::string>* out) {
  WIN32_FIND_DATAA data;
  const std::string here = relative.empty() ? root : root + "\\" + relative;
  HANDLE find = FindFirstFileA((here + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE)
    return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..")
      continue;
    const std::string path = relative.empty() ? name : relative + "\\" + name;
    out->push_back(path);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListInto(root, path, out);
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

struct BoxSearch {
  DWORD processId;
  std::vector<HWND> boxes;
  HWND main;
};

BOOL CALLBACK CollectProcessWindows(HWND window, LPARAM data) {
  BoxSearch* search = reinterpret_cast<BoxSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->processId || !IsWindowVisible(window) || !testing_support::IsDialog(window))
    return TRUE;
  if (testing_support::IsMessageBox(window)) {
    search->boxes.push_back(window);
  } else if (GetDlgItem(window, 1000) != nullptr) {
    const std::string title = testing_support::WindowText(window);
    if (title.compare(0, std::strlen("Mipoウォッチ"), "Mipoウォッチ") == 0)
      search->main = window;
  }
  return TRUE;
}

BOOL CALLBACK FindPageControl(HWND window, LPARAM data) {
  std::pair<int, HWND>* wanted = reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(window) == wanted->first && IsWindowVisible(window)) {
    wanted->second = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string FreshCaseFolder(const std::string& name) {
  const std::string root = testing_support::TestDataFolder();
  CreateDirectoryA((root + "\\rel").c_str(), nullptr);
  const std::string folder = root + "\\rel\\" + name;
  testing_support::DeleteTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool MakeFolders(const std::string& folder) {
  std::vector<size_t> cuts = SeparatorPositions(folder);
  cuts.push_back(folder.size());
  for (size_t cut : cuts) {
    const std::string level = folder.substr(0, cut);
    if (level.size() <= 2)
      continue;  // "Z:"
    const DWORD attributes = GetFileAttributesA(level.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
      continue;
    if (!CreateDirectoryA(level.c_str(), nullptr))
      return false;
  }
  return true;
}

bool InstallProgram(const std::string& folder) {
  if (!MakeFolders(folder))
    return false;
  for (const char* file : kProgramFiles) {
    const std::string from = std::string(kBinDir) + "\\" + file;
    if (!CopyFileA(from.c_str(), (folder + "\\" + file).c_str(), FALSE))
      return false;
  }
  return true;
}

std::vector<std::string> ListTree(const std::string& root) {
  std::vector<std::string> entries;
  ListInto(root, "", &entries);
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::vector<std::string> NewEntriesOutside(const std::vector<std::string>& before,
                                           const std::vector<std::string>& after,
                                           const std::string& allowed) {
  const std::set<std::string> known(before.begin(), before.end());
  std::vector<std::string> added;
  for (const std::string& entry : after) {
    if (known.count(entry) != 0)
      continue;
    if (!allowed.empty() &&
        (entry == allowed || entry.compare(0, allowed.size() + 1, allowed + "\\") == 0)) {
      continue;
    }
    added.push_back(entry);
  }
  return added;
}

bool IsWellFormedIni(const std::string& bytes, std::string* why) {
  auto fail = [&](const std::string& reason) {
    if (why != nullptr)
      *why = reason;
    return false;
  };
  if (bytes.find('\0') != std::string::npos)
    return fail("NUL byte");
  std::set<std::string> sections;
  std::set<std::string> keys;
  std::string section;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos)
      return fail("last line without CR LF");
    const std::string line = bytes.substr(start, end - start);
    start = end + 2;
    if (line.find_first_of("\r\n") != std::string::npos)
      return fail("lone CR or LF in: " + line);
    if (line.empty())
      continue;
    if (line[0] == '[') {
      if (line.back() != ']')
        return fail("section line: " + line);
      std::string upper = line;
      CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
      if (!sections.insert(upper).second)
        return fail("section twice: " + line);
      section = upper;
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0)
      return fail("not key=value: " + line);
    if (section.empty())
      return fail("key before any section: " + line);
    std::string key = line.substr(0, equals);
    CharUpperBuffA(&key[0], static_cast<DWORD>(key.size()));
    if (!keys.insert(section + "\n" + key).second)
      return fail("key twice: " + line);
  }
  return true;
}

RunningProgram::~RunningProgram() {
  if (!started_)
    return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
    TerminateProcess(process_.hProcess, 99);
  WaitForSingleObject(process_.hProcess, 5000);
  if (process_.hThread != nullptr)
    CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool RunningProgram::Start(const std::string& folder, const std::string& user) {
  return StartPath(folder + "\\MipoWatch.exe", user);
}

bool RunningProgram::StartPath(const std::string& exePath, const std::string& user) {
  std::string commandLine = "\"" + exePath + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  // The environment as it is, with the user's name replaced when one is given.
  // Wine takes the name from USER of the process's Unix environment, which it
  // builds from this block; the other names are replaced to match.
  std::string environment;
  if (!user.empty()) {
    static const char* const kNames[] = {"USER=", "LOGNAME=", "USERNAME=", "WINEUSERNAME="};
    char* block = GetEnvironmentStringsA();
    for (const char* p = block; *p != '\0'; p += std::strlen(p) + 1) {
      bool replaced = false;
      for (const char* name : kNames)
        replaced = replaced || _strnicmp(p, name, std::strlen(name)) == 0;
      if (!replaced)
        environment.append(p, std::strlen(p) + 1);
    }
    FreeEnvironmentStringsA(block);
    for (const char* name : kNames) environment += name + user + '\0';
    environment += '\0';
  }
  started_ = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                            environment.empty() ? nullptr : &environment[0], "C:\\", &startup,
                            &process_) != FALSE;
  return started_;
}

namespace {

// The id of the process running exePath, or 0.
DWORD FindProcessOf(const std::string& exePath) {
  DWORD found = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
       more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, "MipoWatch.exe") != 0)
      continue;
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, entry.th32ProcessID);
    if (modules == INVALID_HANDLE_VALUE)
      continue;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof(module);
    if (Module32First(modules, &module) && lstrcmpiA(module.szExePath, exePath.c_str()) == 0)
      found = entry.th32ProcessID;
    CloseHandle(modules);
  }
  CloseHandle(snapshot);
  return found;
}

// The Unix command that starts a Windows program under this process's Wine. The
// scripts name the loader in WINELOADER when it is not the one /usr/bin/wine would
// pick (that one is 32-bit, which a 64-bit build cannot be started with, and which
// cannot run at all on a machine without 32-bit support).
std::string WineLoader() {
  char loader[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("WINELOADER", loader, sizeof(loader));
  if (length == 0 || length >= sizeof(loader))
    return "/usr/bin/wine";
  return loader;
}

}  // namespace

bool RunningProgram::StartAsUnixUser(const std::string& folder, const std::string& user) {
  const std::string exe = folder + "\\MipoWatch.exe";
  std::string commandLine = "Z:\\usr\\bin\\env USER=" + user + " LOGNAME=" + user + " " +
                            WineLoader() + " \"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION launcher = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                      &startup, &launcher)) {
    return false;
  }
  CloseHandle(launcher.hThread);
  CloseHandle(launcher.hProcess);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 20000) {
    const DWORD pid = FindProcessOf(exe);
    if (pid != 0) {
      process_.hProcess =
          OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      process_.dwProcessId = pid;
      started_ = process_.hProcess != nullptr;
      return started_;
    }
    Sleep(50);
  }
  return false;
}

int RunningProgram::AnswerVisibleBoxes(bool* anyShown, HWND* main) {
  BoxSearch search = {process_.dwProcessId, {}, nullptr};
  EnumWindows(CollectProcessWindows, reinterpret_cast<LPARAM>(&search));
  *main = search.main;
  *anyShown = !search.boxes.empty();
  int answered = 0;
  for (HWND box : search.boxes) {
    // A box already answered may still be on its way out.
    if (std::find(answered_.begin(), answered_.end(), box) != answered_.end())
      continue;
    answered_.push_back(box);
    boxCaptions_.push_back(testing_support::WindowText(box));
    boxTexts_.push_back(testing_support::WindowText(GetDlgItem(box, 0xFFFF)));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    ++answered;
  }
  return answered;
}

int RunningProgram::AnswerBoxes(DWORD ms) {
  int answered = 0;
  const DWORD start = GetTickCount();
  for (;;) {
    bool shown = false;
    HWND main = nullptr;
    answered += AnswerVisibleBoxes(&shown, &main);
    if (main != nullptr)
      main_ = main;
    if (GetTickCount() - start >= ms)
      return answered;
    Sleep(30);
  }
}

HWND RunningProgram::WaitForMainWindow(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    if (!Running())
      return nullptr;
    bool shown = false;
    HWND main = nullptr;
    AnswerVisibleBoxes(&shown, &main);
    // The main window counts once it is shown with a page open and no box is
    // in front of it.
    if (main != nullptr && !shown) {
      const std::string title = testing_support::WindowText(main);
      if (title == kStopwatchTitle || title == kTimerTitle) {
        main_ = main;
        // Notices come after the window is shown: give them a moment to appear.
        if (AnswerBoxes(300) == 0)
          return main_;
        continue;
      }
    }
    Sleep(30);
  }
  return nullptr;
}

std::string RunningProgram::MainTitle() const {
  return main_ == nullptr ? std::string() : testing_support::WindowText(main_);
}

namespace {

void PressArrow(HWND main, WPARAM key) {
  HWND tab = GetDlgItem(main, 1000);
  PostMessageA(tab, WM_KEYDOWN, key, 0);
  PostMessageA(tab, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

void RunningProgram::NextTab() {
  if (main_ == nullptr)
    return;
  PressArrow(main_, VK_RIGHT);
  AnswerBoxes(400);
}

void RunningProgram::PreviousTab() {
  if (main_ == nullptr)
    return;
  PressArrow(main_, VK_LEFT);
  AnswerBoxes(400);
}

LRESULT RunningProgram::Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

HWND RunningProgram::PageControl(int id) const {
  std::pair<int, HWND> wanted(id, nullptr);
  if (main_ != nullptr)
    EnumChildWindows(main_, FindPageControl, reinterpret_cast<LPARAM>(&wanted));
  return wanted.second;
}

long RunningProgram::Close(DWORD ms) {
  if (main_ == nullptr)
    return -1;
  PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return WaitForExit(ms);
}

long RunningProgram::WaitForExit(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    if (WaitForSingleObject(process_.hProcess, 30) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process_.hProcess, &code);
      return static_cast<long>(code);
    }
    AnswerBoxes(0);
  }
  return -1;
}

bool RunningProgram::Running() const {
  return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace reliability
