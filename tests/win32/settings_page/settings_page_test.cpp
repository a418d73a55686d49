#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "settings/profile_win32.h"
#include "settings_page/settings_dialog_ids.h"
#include "settings_page/settings_page_win32.h"
#include "support/win32_test_support.h"

using testing_support::ItemText;
using testing_support::PumpMessages;
using testing_support::ReadFileBytes;
using testing_support::ReadKey;
using testing_support::TestParentWindow;
using testing_support::UseFreshSettings;
using testing_support::WriteFileBytes;

namespace {

const int kTabHeaderHeight = 21;
const char kSection[] = "SettingData";

// What the page asked of its modal dialogs.
struct SeenMessageBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};
std::vector<SeenMessageBox> g_messageBoxes;

struct ChooserCall {
  HWND owner = nullptr;
  std::string proposed;
  DWORD size = 0;
  std::vector<std::string> filter;
};
std::vector<ChooserCall> g_chooserCalls;
bool g_chooserConfirms = false;
std::string g_chooserAnswer;

int RecordMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  g_messageBoxes.push_back({owner, text, caption, type});
  return IDOK;
}

bool RecordChooser(HWND owner, char* fileName, DWORD size, const char* filter) {
  ChooserCall call;
  call.owner = owner;
  call.proposed = fileName;
  call.size = size;
  for (const char* p = filter; *p != '\0'; p += std::strlen(p) + 1) call.filter.push_back(p);
  g_chooserCalls.push_back(call);
  if (g_chooserConfirms)
    snprintf(fileName, size, "%s", g_chooserAnswer.c_str());
  return g_chooserConfirms;
}

std::string CurrentDirectory() {
  char path[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof path, path);
  return path;
}

class SettingsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = UseFreshSettings(std::string("settings_page_") +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    g_messageBoxes.clear();
    g_chooserCalls.clear();
    g_chooserConfirms = false;
    g_chooserAnswer.clear();
    page_ = std::make_unique<SettingsPage>();
    SettingsPageDialogs recorders;
    recorders.messageBox = RecordMessageBox;
    recorders.chooseFile = RecordChooser;
    page_->SetDialogs(recorders);
  }

  void TearDown() override {
    // The window goes first, as in the program: the page object outlives it.
    parent_.reset();
    page_.reset();
  }

  void StoreSetting(const char* key, const char* value) {
    WritePrivateProfileStringA(kSection, key, value, SettingsPath());
  }

  void OpenPage() {
    parent_ = std::make_unique<TestParentWindow>(500, 420);
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, parent_->Window(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, statusBar_);
    ASSERT_EQ(1, page_->Open(parent_->Window(), statusBar_, kTabHeaderHeight));
    PumpMessages();
    ASSERT_NE(nullptr, page_->Window());
  }

  HWND Item(int id) { return GetDlgItem(page_->Window(), id); }
  int Selection(int id) { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }
  void Select(int id, int index) { SendMessageA(Item(id), CB_SETCURSEL, index, 0); }
  bool EndTabChecked() {
    return IsDlgButtonChecked(page_->Window(), IDC_SETTINGS_END_TAB) == BST_CHECKED;
  }
  void SetBellText(const std::string& text) {
    SetDlgItemTextA(page_->Window(), IDC_SETTINGS_BELL_FILE, text.c_str());
  }
  std::string BellText() { return ItemText(page_->Window(), IDC_SETTINGS_BELL_FILE); }
  void PressBrowse(WORD notification = BN_CLICKED) {
    SendMessageA(page_->Window(), WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_BROWSE, notification),
                 reinterpret_cast<LPARAM>(Item(IDC_SETTINGS_BROWSE)));
  }
  std::string MakeFile(const std::string& name) {
    const std::string path = folder_ + "\\" + name;
    WriteFileBytes(path, "RIFF");
    return path;
  }

  std::string folder_;
  std::unique_ptr<SettingsPage> page_;
  std::unique_ptr<TestParentWindow> parent_;
  HWND statusBar_ = nullptr;
};

TEST_F(SettingsPageTest, ControlsShowTheStoredValues) {
  StoreSetting("EndTab", "0");
  StoreSetting("StartWay", "1");
  StoreSetting("TimeWay", "7");
  StoreSetting("EndWay", "8");
  StoreSetting("BellFile", "C:\\音楽\\表.wav");
  OpenPage();
  EXPECT_FALSE(EndTabChecked());
  EXPECT_EQ(1, Selection(IDC_SETTINGS_START_WAY));
  EXPECT_EQ(7, Selection(IDC_SETTINGS_TIME_WAY));
  EXPECT_EQ(8, Selection(IDC_SETTINGS_END_WAY));
  EXPECT_EQ("C:\\音楽\\表.wav", BellText());
}

TEST_F(SettingsPageTest, MissingValuesShowTheDefaults) {
  OpenPage();
  EXPECT_TRUE(EndTabChecked());
  EXPECT_EQ(0, Selection(IDC_SETTINGS_START_WAY));
  EXPECT_EQ(0, Selection(IDC_SETTINGS_TIME_WAY));
  EXPECT_EQ(0, Selection(IDC_SETTINGS_END_WAY));
  EXPECT_EQ("", BellText());
  // Loading alone writes nothing.
  bool exists = true;
  ReadFileBytes(SettingsPath(), &exists);
  EXPECT_FALSE(exists);
}

TEST_F(SettingsPageTest, EachListOffersTheNineMethodsInTableOrder) {
  OpenPage();
  const std::vector<std::string> expected = {
      "通常",         "左クリックDOWN",       "左クリックUP",       "右クリックDOWN",
      "右クリックUP", "ホイールクリックDOWN", "ホイールクリックUP", "スペースキー押下",
      "Enterキー押下"};
  for (int id : {IDC_SETTINGS_START_WAY, IDC_SETTINGS_TIME_WAY, IDC_SETTINGS_END_WAY}) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = {};
      SendMessageA(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    EXPECT_EQ(expected, items) << "list " << id;
  }
}

TEST_F(SettingsPageTest, PageSitsBelowTheTabHeaderAboveTheStatusBar) {
  OpenPage();
  RECT client = {};
  GetClientRect(parent_->Window(), &client);
  RECT bar = {};
  GetWindowRect(statusBar_, &bar);
  RECT page = {};
  GetWindowRect(page_->Window(), &page);
  MapWindowPoints(nullptr, parent_->Window(), reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(8, page.left);
  EXPECT_EQ(kTabHeaderHeight + 4, page.top);
  EXPECT_EQ(client.right - 20, page.right - page.left);
  EXPECT_EQ(client.bottom - kTabHeaderHeight - (bar.bottom - bar.top) - 10, page.bottom - page.top);

  page_->Resize(300, 200);
  RECT resized = {};
  GetWindowRect(page_->Window(), &resized);
  MapWindowPoints(nullptr, parent_->Window(), reinterpret_cast<POINT*>(&resized), 2);
  EXPECT_EQ(8, resized.left);
  EXPECT_EQ(kTabHeaderHeight + 4, resized.top);
  EXPECT_EQ(300, resized.right - resized.left);
  EXPECT_EQ(200, resized.bottom - resized.top);
}

TEST_F(SettingsPageTest, ShowingPutsTheNoticeInTheStatusBarAndHidingHidesBoth) {
  OpenPage();
  EXPECT_TRUE(IsWindowVisible(page_->Window()));
  EXPECT_TRUE(IsWindowVisible(statusBar_));
  char text[128] = {};
  SendMessageA(statusBar_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STRNE("", text);
  EXPECT_LE(std::strlen(text), 63u);

  page_->Show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(page_->Window()));
  EXPECT_FALSE(IsWindowVisible(statusBar_));

  // Another page may have written into the bar meanwhile; showing restores the notice.
  SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("other"));
  page_->Open(parent_->Window(), statusBar_, kTabHeaderHeight);
  char again[128] = {};
  SendMessageA(statusBar_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(again));
  EXPECT_STREQ(text, again);
  EXPECT_TRUE(IsWindowVisible(page_->Window()));
}

TEST_F(SettingsPageTest, ValidBellFileInCapitalsIsStoredAsTypedWithTheOtherSettings) {
  const std::string bell = MakeFile("CHIME.WAV");
  OpenPage();
  SendMessageA(Item(IDC_SETTINGS_END_TAB), BM_CLICK, 0, 0);
  Select(IDC_SETTINGS_START_WAY, 3);
  Select(IDC_SETTINGS_TIME_WAY, 5);
  Select(IDC_SETTINGS_END_WAY, 2);
  SetBellText(bell);
  page_->SaveSettings();
  EXPECT_TRUE(g_messageBoxes.empty());
  EXPECT_EQ("0", ReadKey(kSection, "EndTab"));
  EXPECT_EQ("3", ReadKey(kSection, "StartWay"));
  EXPECT_EQ("5", ReadKey(kSection, "TimeWay"));
  EXPECT_EQ("2", ReadKey(kSection, "EndWay"));
  EXPECT_EQ(bell, ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, KeysAreWrittenInTheirFixedOrder) {
  OpenPage();
  SetBellText(MakeFile("a.mid"));
  page_->SaveSettings();
  const std::string file = ReadFileBytes(SettingsPath());
  const std::size_t endTab = file.find("EndTab=");
  const std::size_t startWay = file.find("StartWay=");
  const std::size_t timeWay = file.find("TimeWay=");
  const std::size_t endWay = file.find("EndWay=");
  const std::size_t bell = file.find("BellFile=");
  ASSERT_NE(std::string::npos, bell) << file;
  EXPECT_LT(endTab, startWay);
  EXPECT_LT(startWay, timeWay);
  EXPECT_LT(timeWay, endWay);
  EXPECT_LT(endWay, bell);
}

TEST_F(SettingsPageTest, MissingBellFileIsRefusedButTheOtherSettingsAreStored) {
  StoreSetting("BellFile", "C:\\old\\bell.wav");
  OpenPage();
  Select(IDC_SETTINGS_START_WAY, 1);
  const std::string missing = folder_ + "\\missing.wav";
  SetBellText(missing);
  page_->SaveSettings();
  ASSERT_EQ(1u, g_messageBoxes.size());
  EXPECT_EQ(page_->Window(), g_messageBoxes[0].owner);
  EXPECT_EQ("ベルファイルが有効ではありません。", g_messageBoxes[0].text);
  EXPECT_EQ("", g_messageBoxes[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK), g_messageBoxes[0].type);  // OK only, no icon
  EXPECT_EQ("1", ReadKey(kSection, "EndTab"));
  EXPECT_EQ("1", ReadKey(kSection, "StartWay"));
  EXPECT_EQ("0", ReadKey(kSection, "TimeWay"));
  EXPECT_EQ("0", ReadKey(kSection, "EndWay"));
  EXPECT_EQ("C:\\old\\bell.wav", ReadKey(kSection, "BellFile"));
  // The refused text stays for the user to correct.
  EXPECT_EQ(missing, BellText());
}

TEST_F(SettingsPageTest, ExistingFileOfAnotherTypeIsRefused) {
  OpenPage();
  SetBellText(MakeFile("bell.txt"));
  page_->SaveSettings();
  EXPECT_EQ(1u, g_messageBoxes.size());
  EXPECT_EQ("<missing>", ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, ExistingFolderWithABellExtensionCounts) {
  const std::string folder = folder_ + "\\sounds.wav";
  CreateDirectoryA(folder.c_str(), nullptr);
  OpenPage();
  SetBellText(folder);
  page_->SaveSettings();
  EXPECT_TRUE(g_messageBoxes.empty());
  EXPECT_EQ(folder, ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, EmptyBoxClearsTheStoredBellFile) {
  StoreSetting("BellFile", "C:\\old\\bell.wav");
  OpenPage();
  SetBellText("");
  page_->SaveSettings();
  EXPECT_TRUE(g_messageBoxes.empty());
  EXPECT_EQ("", ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, BareFileNameIsCheckedAgainstTheCurrentDirectory) {
  MakeFile("chime.wma");
  const std::string before = CurrentDirectory();
  OpenPage();
  SetBellText("chime.wma");

  SetCurrentDirectoryA(folder_.c_str());
  page_->SaveSettings();
  EXPECT_TRUE(g_messageBoxes.empty());
  EXPECT_EQ("chime.wma", ReadKey(kSection, "BellFile"));

  SetCurrentDirectoryA("C:\\");
  StoreSetting("BellFile", "kept");
  page_->SaveSettings();
  SetCurrentDirectoryA(before.c_str());
  EXPECT_EQ(1u, g_messageBoxes.size());
  EXPECT_EQ("kept", ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, TextTooLongToStoreIsRefusedNotCut) {
  // A file whose full path is exactly as long as a stored bell file may be...
  const std::size_t nameLength = 259 - (folder_.size() + 1);
  const std::string bell = MakeFile(std::string(nameLength - 4, 'x') + ".wav");
  ASSERT_EQ(259u, bell.size());
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(bell.c_str()));
  OpenPage();
  // ...and a typed text that begins with it: cut to fit, it would name that file.
  SetBellText(bell + "y.wav");
  page_->SaveSettings();
  EXPECT_EQ(1u, g_messageBoxes.size());
  EXPECT_EQ("<missing>", ReadKey(kSection, "BellFile"));
}

TEST_F(SettingsPageTest, UnknownStoredMethodShowsNoSelectionAndIsStoredAsMinusOne) {
  StoreSetting("StartWay", "12");
  StoreSetting("TimeWay", "-3");
  OpenPage();
  EXPECT_EQ(CB_ERR, Selection(IDC_SETTINGS_START_WAY));
  EXPECT_EQ(CB_ERR, Selection(IDC_SETTINGS_TIME_WAY));
  page_->SaveSettings();
  EXPECT_EQ("-1", ReadKey(kSection, "StartWay"));
  EXPECT_EQ("-1", ReadKey(kSection, "TimeWay"));
  EXPECT_EQ("0", ReadKey(kSection, "EndWay"));
}

TEST_F(SettingsPageTest, OnlyAStoredOneChecksTheEndTabBox) {
  StoreSetting("EndTab", "2");
  OpenPage();
  EXPECT_FALSE(EndTabChecked());
}

TEST_F(SettingsPageTest, BrowseProposesPlainNamesAndExistingPathsOnly) {
  const std::string existing = MakeFile("ring.mp3");
  OpenPage();
  const struct {
    std::string text;
    std::string proposed;
  } cases[] = {
      {"new.wav", "new.wav"},  // a bare name that does not exist
      {"x", ""},
      {"C:\\nowhere\\bell.wav", ""},
      {"a:b.wav", ""},
      {existing, existing},
      {"ソング.wav", "ソング.wav"},  // its first character ends in the byte of '\'
  };
  for (const auto& c : cases) {
    SetBellText(c.text);
    PressBrowse();
  }
  ASSERT_EQ(sizeof cases / sizeof cases[0], g_chooserCalls.size());
  for (std::size_t i = 0; i < g_chooserCalls.size(); ++i) {
    EXPECT_EQ(cases[i].proposed, g_chooserCalls[i].proposed) << cases[i].text;
    EXPECT_EQ(page_->Window(), g_chooserCalls[i].owner);
    EXPECT_EQ(260u, g_chooserCalls[i].size);
  }
  const std::vector<std::string> filter = {
      "wavファイル(*.wav)", "*.wav", "midファイル(*.mid)", "*.mid",
      "mp3ファイル(*.mp3)", "*.mp3", "wmaファイル(*.wma)", "*.wma"};
  EXPECT_EQ(filter, g_chooserCalls[0].filter);
}

TEST_F(SettingsPageTest, ConfirmedChoiceFillsTheBoxWithoutSaving) {
  OpenPage();
  SetBellText("old.wav");
  g_chooserConfirms = true;
  g_chooserAnswer = "C:\\sounds\\new.wav";
  PressBrowse(BN_DOUBLECLICKED);  // any notification of the button browses
  EXPECT_EQ("C:\\sounds\\new.wav", BellText());
  bool exists = true;
  ReadFileBytes(SettingsPath(), &exists);
  EXPECT_FALSE(exists);
}

TEST_F(SettingsPageTest, CancelledChooserLeavesTheBoxAlone) {
  OpenPage();
  SetBellText("x");
  g_chooserConfirms = false;
  g_chooserAnswer = "C:\\sounds\\new.wav";
  PressBrowse();
  ASSERT_EQ(1u, g_chooserCalls.size());
  EXPECT_EQ("x", BellText());
}

TEST_F(SettingsPageTest, PageNeverOpenedWritesNothing) {
  page_->SaveSettings();
  page_.reset();
  bool exists = true;
  ReadFileBytes(SettingsPath(), &exists);
  EXPECT_FALSE(exists);
}

TEST_F(SettingsPageTest, DestroyingThePageSavesItsValuesOnce) {
  OpenPage();
  Select(IDC_SETTINGS_END_WAY, 6);
  SetBellText(folder_ + "\\missing.mid");
  parent_.reset();
  EXPECT_EQ("6", ReadKey(kSection, "EndWay"));
  EXPECT_EQ(1u, g_messageBoxes.size());
  EXPECT_EQ(nullptr, page_->Window());
  // The object outlives its window; saving again reaches no dead handle.
  page_->SaveSettings();
  EXPECT_EQ(1u, g_messageBoxes.size());
}

TEST_F(SettingsPageTest, RealMessageBoxShowsTheTextWithoutCaption) {
  page_->SetDialogs(PlatformSettingsPageDialogs());
  OpenPage();
  SetBellText(folder_ + "\\missing.wav");
  std::vector<testing_support::SeenBox> seen;
  {
    testing_support::MessageBoxCloser closer(IDOK);
    page_->SaveSettings();
    seen = closer.Seen();
  }
  // Back to the recorder before anything can end the test: the page saves again
  // when it is destroyed, and no closer would answer a real box then.
  page_->SetDialogs({RecordMessageBox, RecordChooser});
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ("ベルファイルが有効ではありません。", seen[0].text);
  EXPECT_EQ("", seen[0].caption);
}

}  // namespace
