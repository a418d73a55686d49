#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/file_chooser_win32.h"
#include "settings_page/settings_rules.h"
#include "support/dialogs.h"
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

// A chooser counts once it has filled its list of file types.
bool IsChooser(HWND window) {
  return SendMessageA(GetDlgItem(window, cmb1), CB_GETCOUNT, 0, 0) > 0;
}

BOOL CALLBACK FindEdit(HWND window, LPARAM data) {
  char cls[16] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") != 0)
    return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

// The name field is an edit box, inside a combo box (or two) where there is one.
HWND NameField(HWND chooser) {
  HWND name = GetDlgItem(chooser, cmb13);
  if (name == nullptr)
    name = GetDlgItem(chooser, edt1);
  EnumChildWindows(name, FindEdit, reinterpret_cast<LPARAM>(&name));
  return name;
}

// Plays the user in the chooser, from the chooser's own loop: notes what it
// shows, then types an answer and confirms it, or cancels when the answer is
// empty.
struct ChooserUser {
  std::string answer;
  bool found = false;
  std::string title, proposed;
  std::vector<std::string> types;
  int selectedType = -1;

  // The chooser fills its name after its list of types: the name is read one
  // step later.
  std::vector<ModalScript::Step> Steps() {
    return {WhenDialog(IsChooser,
                       [this](HWND chooser) {
                         found = true;
                         title = TextOf(chooser);
                         HWND typeList = GetDlgItem(chooser, cmb1);
                         for (int i = 0; i < SendMessageA(typeList, CB_GETCOUNT, 0, 0); ++i) {
                           char text[MAX_PATH] = {};
                           SendMessageA(typeList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                           types.push_back(text);
                         }
                         selectedType =
                             static_cast<int>(SendMessageA(typeList, CB_GETCURSEL, 0, 0));
                       }),
            WhenDialog(IsChooser, [this](HWND chooser) {
              HWND name = NameField(chooser);
              proposed = TextOf(name);
              if (!answer.empty())
                SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
              PostClick(chooser, answer.empty() ? IDCANCEL : IDOK);
            })};
  }

  bool Choose(HWND owner, char* fileName) {
    char filter[256] = {};
    BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter);
    ModalScript user(Steps());
    SystemFileChooser chooser;
    const bool confirmed = chooser.ChooseOpen(owner, fileName, 260, filter);
    EXPECT_TRUE(user.Done());
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

namespace {

// Saving over a file that is there asks first, in a yes-or-no box over the
// save dialog; yes keeps the name.
TEST(FileChooser, SavingOverAnExistingFileAsksBeforeTakingIt) {
  const std::string existing = UseFreshSettings("file_chooser_overwrite") + "\\laps.csv";
  WriteFileBytes(existing, "old");
  TestParentWindow parent(300, 200);
  std::string question;
  bool yesOrNo = false;
  ModalScript user({WhenDialog(IsChooser,
                               [&](HWND chooser) {
                                 SendMessageA(NameField(chooser), WM_SETTEXT, 0,
                                              reinterpret_cast<LPARAM>(existing.c_str()));
                                 PostClick(chooser, IDOK);
                               }),
                    WhenDialog(IsMessageBox, [&](HWND box) {
                      question = ItemText(box, 0xFFFF);
                      yesOrNo =
                          GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
                      PostClick(box, IDYES);
                    })});
  char path[260] = {};
  SystemFileChooser chooser;
  const bool confirmed = chooser.ChooseSave(parent.Window(), "CSV (*.csv)\0*.csv\0", "csv", path);
  EXPECT_TRUE(user.Done()) << "no question was asked";
  EXPECT_FALSE(question.empty());
  EXPECT_TRUE(yesOrNo);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(existing, path);
}

}  // namespace
