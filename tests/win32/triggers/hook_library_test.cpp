#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../export/window_test_helpers.h"
#include "hook_test_helpers.h"
#include "ui/messages.h"
#include "triggers/hook_library_win32.h"

namespace {

struct Report {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Lets the hooks run (they are called while this thread waits for messages) and
// collects what was posted to window with the two report ids. A fixed time in
// real time: the tests count every report, and that no further (or no) report
// comes can only be seen by letting the time pass.
std::vector<Report> CollectReports(HWND window, DWORD milliseconds = 300) {
  std::vector<Report> reports;
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.hwnd == window &&
          (message.message == WM_MIPO_KEY_HOOK || message.message == WM_MIPO_MOUSE_HOOK)) {
        reports.push_back({message.message, message.wParam, message.lParam});
      } else {
        DispatchMessageA(&message);
      }
    }
  }
  return reports;
}

TEST(HookLibraryTest, StartLoadsTheLibraryFromTheProgramFolderAndEndUnloadsIt) {
  TestWindow window;
  HookLibrary keys(kKeyHookLibrary);
  ASSERT_FALSE(ModuleLoaded("KeyHook.dll"));
  EXPECT_EQ(keys.StartHook(window.Window()), 1);
  EXPECT_TRUE(keys.IsLoaded());
  EXPECT_TRUE(ModuleLoaded("KeyHook.dll"));
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
  EXPECT_NE(keys.EndHook(), 0);
  EXPECT_FALSE(keys.IsLoaded());
  EXPECT_FALSE(ModuleLoaded("KeyHook.dll"));
  EXPECT_EQ(keys.EndHook(), 0);  // nothing left to end
}

TEST(HookLibraryTest, SecondStartKeepsTheFirstWindow) {
  TestWindow first, second;
  HookLibrary mouse(kMouseHookLibrary);
  EXPECT_EQ(mouse.StartHook(first.Window()), 1);
  EXPECT_EQ(mouse.StartHook(second.Window()), 1);
  EXPECT_EQ(mouse.TargetWindow(), first.Window());
  mouse.EndHook();
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
}

TEST(HookLibraryTest, EndingTheObjectUnloadsTheLibrary) {
  TestWindow window;
  {
    HookLibrary mouse(kMouseHookLibrary);
    mouse.StartHook(window.Window());
    ASSERT_TRUE(ModuleLoaded("MouseHook.dll"));
  }
  EXPECT_FALSE(ModuleLoaded("MouseHook.dll"));
}

TEST(HookLibraryTest, LibraryWithoutTheStartExportStaysLoadedUntilEnded) {
  const HookLibraryTraits lacking = {"KeyHook.dll", "StartSomethingElse", "EndKeyHook",
                                     WM_MIPO_KEY_HOOK};
  TestWindow window;
  HookLibrary library(lacking);
  EXPECT_EQ(library.StartHook(window.Window()), 0);
  EXPECT_TRUE(library.IsLoaded());
  EXPECT_TRUE(ModuleLoaded("KeyHook.dll"));
  // Already loaded: the next start changes nothing.
  EXPECT_EQ(library.StartHook(window.Window()), 1);
  EXPECT_NE(library.EndHook(), 0);
  EXPECT_FALSE(ModuleLoaded("KeyHook.dll"));
}

TEST(HookLibraryTest, MissingFileLoadsNothingAndIsTriedAgain) {
  const HookLibraryTraits missing = {"NoSuchHook.dll", "StartKeyHook", "EndKeyHook",
                                     WM_MIPO_KEY_HOOK};
  TestWindow window;
  HookLibrary library(missing);
  EXPECT_EQ(library.StartHook(window.Window()), 0);
  EXPECT_FALSE(library.IsLoaded());
  EXPECT_EQ(library.StartHook(window.Window()), 0);  // not "already loaded"
  EXPECT_EQ(library.EndHook(), 0);
}

TEST(HookLibraryTest, ALibraryOnlyInTheCurrentFolderIsNotPickedUp) {
  // A file of the same name in whatever folder happens to be current must not
  // be loaded in place of the program's own.
  const std::string folder = testing_support::UseFreshSettings("hook-current-folder");
  char own[MAX_PATH];
  ASSERT_TRUE(PathBesideExecutable("MouseHook.dll", own, sizeof own));
  const std::string stranger = folder + "\\StrangerHook.dll";
  ASSERT_TRUE(CopyFileA(own, stranger.c_str(), FALSE));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  const HookLibraryTraits foreign = {"StrangerHook.dll", "StartMouseHook", "EndMouseHook",
                                     WM_MIPO_MOUSE_HOOK};
  TestWindow window;
  HookLibrary library(foreign);
  EXPECT_EQ(library.StartHook(window.Window()), 0);
  EXPECT_FALSE(ModuleLoaded("StrangerHook.dll"));
  library.EndHook();
  SetCurrentDirectoryA(previous);
}

TEST(HookLibraryTest, PathBesideExecutableNamesTheProgramFolder) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string folder = exe;
  folder.erase(folder.find_last_of('\\'));
  char path[MAX_PATH];
  ASSERT_TRUE(PathBesideExecutable("KeyHook.dll", path, sizeof path));
  EXPECT_EQ(std::string(path), folder + "\\KeyHook.dll");
  char tiny[8];
  EXPECT_FALSE(PathBesideExecutable("KeyHook.dll", tiny, sizeof tiny));
  EXPECT_EQ(tiny[0], '\0');
}

TEST(HookReportsTest, MouseButtonsArriveAsMouseReportsWithTheirMessageIds) {
  TestWindow window;
  HookLibrary mouse(kMouseHookLibrary);
  ASSERT_EQ(mouse.StartHook(window.Window()), 1);
  CollectReports(window.Window(), 50);
  InjectMouse(MOUSEEVENTF_LEFTDOWN);
  InjectMouse(MOUSEEVENTF_LEFTUP);
  InjectMouse(MOUSEEVENTF_RIGHTDOWN);
  InjectMouse(MOUSEEVENTF_RIGHTUP);
  InjectMouse(MOUSEEVENTF_MIDDLEDOWN);
  InjectMouse(MOUSEEVENTF_MIDDLEUP);
  InjectMouse(MOUSEEVENTF_MOVE);  // not a button: no report
  std::vector<Report> reports = CollectReports(window.Window());
  std::vector<WPARAM> ids;
  for (const Report& r : reports) {
    EXPECT_EQ(r.message, static_cast<UINT>(WM_MIPO_MOUSE_HOOK));
    ids.push_back(r.wParam);
  }
  EXPECT_EQ(ids, std::vector<WPARAM>({0x201, 0x202, 0x204, 0x205, 0x207, 0x208}));
  mouse.EndHook();
}

TEST(HookReportsTest, KeyPressesAndReleasesArriveWithKeystrokeFlags) {
  TestWindow window;
  HookLibrary keys(kKeyHookLibrary);
  ASSERT_EQ(keys.StartHook(window.Window()), 1);
  CollectReports(window.Window(), 50);
  InjectKey(VK_SPACE, 0x39, false);
  InjectKey(VK_SPACE, 0x39, false);  // held down: an auto-repeat
  InjectKey(VK_SPACE, 0x39, true);
  InjectKey(VK_RETURN, 0x1C, false);
  InjectKey(VK_RETURN, 0x1C, true);
  std::vector<Report> reports = CollectReports(window.Window());
  ASSERT_EQ(reports.size(), 5u);
  for (const Report& r : reports) EXPECT_EQ(r.message, static_cast<UINT>(WM_MIPO_KEY_HOOK));
  const std::vector<std::pair<WPARAM, DWORD>> expected = {
      {32, 0x00390001}, {32, 0x40390001}, {32, 0xC0390001}, {13, 0x001C0001}, {13, 0xC01C0001}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(reports[i].wParam, expected[i].first) << i;
    EXPECT_EQ(static_cast<DWORD>(reports[i].lParam), expected[i].second) << i;
  }
  // A press reads as a positive value, a release as a negative one.
  EXPECT_GT(static_cast<LONG>(reports[0].lParam), 0);
  EXPECT_LT(static_cast<LONG>(reports[2].lParam), 0);
  keys.EndHook();
}

TEST(HookReportsTest, NoReportsAfterTheHookIsEnded) {
  TestWindow window;
  HookLibrary mouse(kMouseHookLibrary);
  HookLibrary keys(kKeyHookLibrary);
  ASSERT_EQ(mouse.StartHook(window.Window()), 1);
  ASSERT_EQ(keys.StartHook(window.Window()), 1);
  mouse.EndHook();
  keys.EndHook();
  InjectMouse(MOUSEEVENTF_LEFTDOWN);
  InjectMouse(MOUSEEVENTF_LEFTUP);
  InjectKey(VK_SPACE, 0x39, false);
  InjectKey(VK_SPACE, 0x39, true);
  EXPECT_TRUE(CollectReports(window.Window()).empty());
}

}  // namespace
