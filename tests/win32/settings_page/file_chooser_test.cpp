#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "settings/file_chooser_win32.h"
#include "settings_page/settings_rules.h"
#include "support/win32_test_support.h"

using testing_support::TestParentWindow;
using testing_support::UseFreshSettings;
using testing_support::WriteFileBytes;

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

// Plays the user of the chooser from a helper thread while the test's thread
// sits in the chooser's modal loop: notes what the chooser shows, types a name
// into it and confirms or cancels.
class ChooserUser {
 public:
  ChooserUser(std::string answer, bool confirm)
      : uiThread_(GetCurrentThreadId()), answer_(std::move(answer)), confirm_(confirm) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~ChooserUser() { Join(); }
  void Join() {
    if (thread_ == nullptr)
      return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

  bool found = false;
  bool stuck = false;
  std::string title;
  std::string proposed;
  std::vector<std::string> types;
  int selectedType = -1;

 private:
  static BOOL CALLBACK FindChooser(HWND window, LPARAM data) {
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) == "#32770" && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(data) = window;
      return FALSE;
    }
    return TRUE;
  }

  static HWND NameField(HWND chooser) {
    HWND combo = GetDlgItem(chooser, cmb13);
    if (combo != nullptr) {
      HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
      return edit != nullptr ? edit : combo;
    }
    return GetDlgItem(chooser, edt1);
  }

  static DWORD WINAPI Run(LPVOID param) {
    ChooserUser* self = static_cast<ChooserUser*>(param);
    HWND chooser = nullptr;
    for (int i = 0; i < 500 && chooser == nullptr; ++i) {
      Sleep(20);
      EnumThreadWindows(self->uiThread_, FindChooser, reinterpret_cast<LPARAM>(&chooser));
    }
    if (chooser == nullptr)
      return 0;
    Sleep(200);  // let the chooser finish filling its controls
    self->found = true;
    self->title = TextOf(chooser);
    HWND name = NameField(chooser);
    self->proposed = TextOf(name);
    HWND typeList = GetDlgItem(chooser, cmb1);
    const int count = static_cast<int>(SendMessageA(typeList, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[MAX_PATH] = {};
      SendMessageA(typeList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      self->types.push_back(text);
    }
    self->selectedType = static_cast<int>(SendMessageA(typeList, CB_GETCURSEL, 0, 0));
    if (self->confirm_) {
      SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(self->answer_.c_str()));
      PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
    } else {
      PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDCANCEL)));
    }
    // Should the chooser refuse the answer, cancel it rather than hang the suite.
    for (int i = 0; i < 250 && IsWindow(chooser); ++i) Sleep(20);
    if (IsWindow(chooser)) {
      self->stuck = true;
      PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return 0;
  }

  DWORD uiThread_;
  std::string answer_;
  bool confirm_;
  HANDLE thread_ = nullptr;
};

class FileChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = UseFreshSettings(std::string("file_chooser_") +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    startDirectory_ = CurrentDirectory();
    BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter_, sizeof filter_);
    parent_ = std::make_unique<TestParentWindow>(300, 200);
  }
  void TearDown() override {
    parent_.reset();
    SetCurrentDirectoryA(startDirectory_.c_str());
  }

  std::string folder_;
  std::string startDirectory_;
  char filter_[256] = {};
  std::unique_ptr<TestParentWindow> parent_;
};

TEST_F(FileChooserTest, ConfirmedFileComesBackAndTheCurrentDirectoryStays) {
  const std::string other = folder_ + "\\elsewhere";
  CreateDirectoryA(other.c_str(), nullptr);
  const std::string chosen = other + "\\gong.wav";
  WriteFileBytes(chosen, "RIFF");
  SetCurrentDirectoryA(folder_.c_str());

  char fileName[261] = "proposed.wav";
  bool confirmed = false;
  ChooserUser user(chosen, true);
  confirmed = ChooseOpenFile(parent_->Window(), fileName, 260, filter_);
  user.Join();

  ASSERT_TRUE(user.found);
  EXPECT_FALSE(user.stuck);
  EXPECT_TRUE(confirmed);
  EXPECT_STREQ(chosen.c_str(), fileName);
  EXPECT_EQ(folder_, CurrentDirectory());
  EXPECT_EQ("ファイル選択", user.title);
  EXPECT_EQ("proposed.wav", user.proposed);
  const std::vector<std::string> types = {"wavファイル(*.wav)", "midファイル(*.mid)",
                                          "mp3ファイル(*.mp3)", "wmaファイル(*.wma)"};
  EXPECT_EQ(types, user.types);
  EXPECT_EQ(0, user.selectedType);
}

TEST_F(FileChooserTest, CancelReportsNoChoice) {
  SetCurrentDirectoryA(folder_.c_str());
  char fileName[261] = "";
  ChooserUser user("", false);
  const bool confirmed = ChooseOpenFile(parent_->Window(), fileName, 260, filter_);
  user.Join();
  ASSERT_TRUE(user.found);
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(folder_, CurrentDirectory());
}

}  // namespace
