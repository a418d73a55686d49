#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "win32_test_support.h"

namespace testing_support {

void PumpMessages() {
  MSG message;
  for (int i = 0; i < 100000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

namespace {

std::string ExeFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string s = path;
  return s.substr(0, s.find_last_of('\\'));
}

void DeleteTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..")
        continue;
      const std::string full = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

SettingsFile& TestSettings() {
  static SettingsFile settings("");
  return settings;
}

std::string UseFreshSettings(const std::string& name) {
  const std::string root = ExeFolder() + "\\test-data";
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string folder = root + "\\" + name;
  DeleteTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  TestSettings() = SettingsFile(folder + "\\Data.ini");
  return folder;
}

std::string ReadFileBytes(const std::string& path, bool* exists) {
  std::ifstream in(path, std::ios::binary);
  if (exists != nullptr)
    *exists = static_cast<bool>(in);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadKey(const char* section, const char* key) {
  char value[1024] = {};
  GetPrivateProfileStringA(section, key, "<missing>", value, sizeof(value), TestSettings().Path());
  return value;
}

POINT LeastTrackingSize(HWND window) {
  MINMAXINFO info = {};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info.ptMinTrackSize;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

std::string ItemText(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

MessageBoxCloser::MessageBoxCloser(int answer) : uiThread_(GetCurrentThreadId()), answer_(answer) {
  InitializeCriticalSection(&lock_);
  stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

MessageBoxCloser::~MessageBoxCloser() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
  DeleteCriticalSection(&lock_);
}

std::vector<SeenBox> MessageBoxCloser::Seen() {
  EnterCriticalSection(&lock_);
  std::vector<SeenBox> copy = seen_;
  LeaveCriticalSection(&lock_);
  return copy;
}

namespace {
struct Search {
  std::vector<HWND> boxes;
};
BOOL CALLBACK CollectBox(HWND window, LPARAM data) {
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof(cls));
  // A message box: a dialog with the text static 0xFFFF and no edit field (the
  // program's own dialogs may use 0xFFFF for their unnamed labels too).
  if (std::string(cls) == "#32770" && IsWindowVisible(window) &&
      GetDlgItem(window, 0xFFFF) != nullptr &&
      FindWindowExA(window, nullptr, "Edit", nullptr) == nullptr) {
    reinterpret_cast<Search*>(data)->boxes.push_back(window);
  }
  return TRUE;
}
}  // namespace

DWORD WINAPI MessageBoxCloser::Run(LPVOID param) {
  MessageBoxCloser* self = static_cast<MessageBoxCloser*>(param);
  std::vector<HWND> answered;
  while (WaitForSingleObject(self->stop_, 20) == WAIT_TIMEOUT) {
    Search search;
    EnumThreadWindows(self->uiThread_, CollectBox, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) {
      bool done = false;
      for (HWND a : answered) done = done || a == box;
      if (done && IsWindow(box))
        continue;
      SeenBox seen;
      seen.caption = WindowText(box);
      seen.text = WindowText(GetDlgItem(box, 0xFFFF));
      // Wine keeps the icon control even for boxes without an icon; only
      // the icon it holds tells them apart.
      HWND icon = GetDlgItem(box, 0x0440);
      seen.hasIcon = icon != nullptr && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
      EnterCriticalSection(&self->lock_);
      self->seen_.push_back(seen);
      LeaveCriticalSection(&self->lock_);
      answered.push_back(box);
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(self->answer_, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, self->answer_)));
    }
  }
  return 0;
}

namespace {
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

TestParentWindow::TestParentWindow(int width, int height) {
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MipoTestParent";
    RegisterClassA(&wc);
    registered = true;
  }
  window_ = CreateWindowExA(0, "MipoTestParent", "test parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            20, 20, width, height, nullptr, nullptr, instance, nullptr);
}

TestParentWindow::~TestParentWindow() {
  if (window_ != nullptr)
    DestroyWindow(window_);
  PumpMessages();
}

}  // namespace testing_support

int main(int argc, char** argv) {
  InitCommonControls();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
