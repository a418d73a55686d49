#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/file_chooser_win32.h"
#include "settings_page/settings_rules.h"
#include "support/wait_until.h"
#include "support/win32_test_support.h"

using namespace testing_support;

namespace {

std::string CurrentDirectory() {
  char path[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof path, path);
  return path;
}

std::string TextOf(HWND window) {
  char text[MAX_PATH + 1] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// Plays the user from a helper thread while the test's thread sits in the
// chooser's modal loop: notes what the chooser shows, then types an answer and
// confirms it, or cancels when the answer is empty.
struct ChooserUser {
  DWORD uiThread = GetCurrentThreadId();
  std::string answer;
  bool found = false, stuck = false;
  std::string title, proposed;
  std::vector<std::string> types;
  int selectedType = -1;

  // A chooser counts once it has filled its list of file types.
  static BOOL CALLBACK Find(HWND window, LPARAM data) {
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window))
      return TRUE;
    if (SendMessageA(GetDlgItem(window, cmb1), CB_GETCOUNT, 0, 0) <= 0)
      return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }

  static BOOL CALLBACK FindEdit(HWND window, LPARAM data) {
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") != 0)
      return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }

  static BOOL CALLBACK AnswerBox(HWND window, LPARAM chooser) {
    if (window != reinterpret_cast<HWND>(chooser) && IsWindowVisible(window)) {
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return TRUE;
  }

  static DWORD WINAPI Run(LPVOID param) {
    ChooserUser* self = static_cast<ChooserUser*>(param);
    HWND chooser = nullptr;
    for (int i = 0; i < 1500 && chooser == nullptr; ++i) {
      Sleep(20);
      EnumThreadWindows(self->uiThread, Find, reinterpret_cast<LPARAM>(&chooser));
    }
    if (chooser == nullptr)
      return 0;
    self->found = true;
    self->title = TextOf(chooser);
    // The name field is an edit box, inside a combo box (or two) where there is one.
    HWND name = GetDlgItem(chooser, cmb13);
    if (name == nullptr)
      name = GetDlgItem(chooser, edt1);
    EnumChildWindows(name, FindEdit, reinterpret_cast<LPARAM>(&name));
    // The chooser may fill its name after its list of types.
    WaitUntil([&] { return !TextOf(name).empty(); }, 2000);
    self->proposed = TextOf(name);
    HWND typeList = GetDlgItem(chooser, cmb1);
    for (int i = 0; i < SendMessageA(typeList, CB_GETCOUNT, 0, 0); ++i) {
      char text[MAX_PATH] = {};
      SendMessageA(typeList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      self->types.push_back(text);
    }
    self->selectedType = static_cast<int>(SendMessageA(typeList, CB_GETCURSEL, 0, 0));
    const int button = self->answer.empty() ? IDCANCEL : IDOK;
    if (button == IDOK)
      SendMessageA(name, WM_SETTEXT, 0, (LPARAM)self->answer.c_str());
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    // Should the chooser refuse the answer, cancel it rather than hang the suite.
    for (int i = 0; i < 250 && IsWindow(chooser); ++i) Sleep(20);
    self->stuck = IsWindow(chooser) != FALSE;
    if (self->stuck) {
      // Answer whatever box the chooser raised over itself, then cancel it.
      EnumThreadWindows(self->uiThread, AnswerBox, reinterpret_cast<LPARAM>(chooser));
      // A box over the chooser disables it until the box is gone.
      WaitUntil([&] { return IsWindowEnabled(chooser) != FALSE; }, 2000);
      PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return 0;
  }

  bool Choose(HWND owner, char* fileName) {
    char filter[256] = {};
    BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter);
    HANDLE thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    SystemFileChooser chooser;
    const bool confirmed = chooser.ChooseOpen(owner, fileName, 260, filter);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return confirmed;
  }
};

TEST(FileChooser, ConfirmedFileComesBackAndTheCurrentDirectoryStaysPut) {
  const std::string folder = UseFreshSettings("file_chooser_confirm");
  const std::string before = CurrentDirectory();
  CreateDirectoryA((folder + "\\elsewhere").c_str(), nullptr);
  const std::string chosen = folder + "\\elsewhere\\gong.wav";
  WriteFileBytes(chosen, "RIFF");
  SetCurrentDirectoryA(folder.c_str());
  TestParentWindow parent(300, 200);

  char fileName[261] = "proposed.wav";
  ChooserUser user;
  user.answer = chosen;
  const bool confirmed = user.Choose(parent.Window(), fileName);
  const std::string after = CurrentDirectory();
  SetCurrentDirectoryA(before.c_str());

  ASSERT_TRUE(user.found);
  EXPECT_FALSE(user.stuck);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(chosen, fileName);
  EXPECT_EQ(folder, after);  // the chooser moved into "elsewhere"; it is undone
  EXPECT_EQ("ファイル選択", user.title);
  EXPECT_EQ("proposed.wav", user.proposed);
  const std::vector<std::string> types = {"wavファイル(*.wav)", "midファイル(*.mid)",
                                          "mp3ファイル(*.mp3)", "wmaファイル(*.wma)"};
  EXPECT_EQ(types, user.types);
  EXPECT_EQ(0, user.selectedType);
}

TEST(FileChooser, CancelReportsNoChoice) {
  TestParentWindow parent(300, 200);
  char fileName[261] = "";
  ChooserUser user;
  EXPECT_FALSE(user.Choose(parent.Window(), fileName));
  EXPECT_TRUE(user.found);
}

}  // namespace
