// Helpers for tests that drive real windows under Wine.
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings_file_win32.h"

namespace testing_support {

// Handles every message already queued for this thread (no waiting).
void PumpMessages();

// The settings file the current test hands to the pages it makes. It lives for
// the whole test program; UseFreshSettings moves it.
SettingsFile& TestSettings();
// Points TestSettings() at a fresh, empty folder of its own
// (build/.../test-data/<name>/Data.ini) and returns that folder.
std::string UseFreshSettings(const std::string& name);
// The folder beside the test program that holds every case's files.
std::string TestDataFolder();

// Reads a whole file; empty when it cannot be opened. exists reports which.
std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Reads a key of TestSettings(), or of the file at iniPath ("<missing>" when absent).
std::string ReadKey(const char* section, const char* key);
std::string IniValue(const std::string& iniPath, const char* section, const char* key);

// The user name the program will see (WNetGetUserA), "" when there is none.
std::string NetworkUserName();
// Where the program keeps Data.ini when installed in folder and run by user.
std::string UserFolderOf(const std::string& folder, const std::string& user);
std::string IniPathOf(const std::string& folder, const std::string& user);

// Empties folder and removes it, read-only files and subfolders included.
void DeleteTree(const std::string& folder);

// Chooses tab index of the main dialog as a click on its tab control does:
// the changing notice, the new selection, the changed notice.
void SelectTab(HWND mainDialog, int index);

// A plain top-level window to parent pages in tests; destroyed with the object.
class TestParentWindow {
 public:
  TestParentWindow(int width = 400, int height = 400);
  ~TestParentWindow();
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// The least outer size a window answers to the size query (WM_GETMINMAXINFO).
POINT LeastTrackingSize(HWND window);

// Text of a window or control.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// Text of a status bar's part, or of a list view's cell.
std::string StatusBarText(HWND bar, int part = 0);
std::string ListCellText(HWND list, int row, int column);

}  // namespace testing_support
