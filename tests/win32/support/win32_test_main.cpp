#include <windows.h>
#include <commctrl.h>
#include <winnetwk.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "win32_test_support.h"

#include "app/main_dialog_ids.h"

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

}  // namespace

void DeleteTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..")
        continue;
      const std::string full = folder + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(full);
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

SettingsFile& TestSettings() {
  static SettingsFile settings("");
  return settings;
}

std::string TestDataFolder() {
  const std::string root = ExeFolder() + "\\test-data";
  CreateDirectoryA(root.c_str(), nullptr);
  return root;
}

std::string UseFreshSettings(const std::string& name) {
  const std::string folder = TestDataFolder() + "\\" + name;
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
  return IniValue(TestSettings().Path(), section, key);
}

std::string IniValue(const std::string& iniPath, const char* section, const char* key) {
  char value[1024] = {};
  GetPrivateProfileStringA(section, key, "<missing>", value, sizeof(value), iniPath.c_str());
  return value;
}

std::string NetworkUserName() {
  char name[256] = {};
  DWORD size = sizeof(name);
  if (WNetGetUserA(nullptr, name, &size) != NO_ERROR)
    return std::string();
  return name;
}

std::string UserFolderOf(const std::string& folder, const std::string& user) {
  if (user.empty() || user == "unknown")
    return folder;
  return folder + "\\" + user;
}

std::string IniPathOf(const std::string& folder, const std::string& user) {
  return UserFolderOf(folder, user) + "\\Data.ini";
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

std::string StatusBarText(HWND bar, int part) {
  // SB_GETTEXTA takes no buffer size, and Wine's length counts UTF-16 units,
  // each of which may become two cp932 bytes.
  std::string text(2 * LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0)) + 1, '\0');
  SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(&text[0]));
  return text.c_str();
}

std::string ListCellText(HWND list, int row, int column) {
  char text[256] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

void SelectTab(HWND mainDialog, int index) {
  HWND tab = GetDlgItem(mainDialog, IDC_MAIN_TAB);
  NMHDR header = {tab, IDC_MAIN_TAB, static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageA(mainDialog, WM_NOTIFY, IDC_MAIN_TAB, reinterpret_cast<LPARAM>(&header));
  SendMessageA(tab, TCM_SETCURSEL, index, 0);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(mainDialog, WM_NOTIFY, IDC_MAIN_TAB, reinterpret_cast<LPARAM>(&header));
  PumpMessages();
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
