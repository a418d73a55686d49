#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/settings_file_win32.h"
#include "settings_page/settings_dialog_ids.h"
#include "settings_page/settings_page_win32.h"
#include "support/dialogs.h"
#include "support/fakes_win32.h"
#include "support/win32_test_support.h"

using namespace testing_support;

namespace {

const int kHeader = 21;
const char kSection[] = "SettingData";

class SettingsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = UseFreshSettings(std::string("settings_page_") +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    page_ = std::make_unique<SettingsPage>(testing_support::TestSettings(), boxes_, chooser_);
  }
  void TearDown() override {
    parent_.reset();  // the window goes first; the page object outlives it
    page_.reset();
  }

  fakes::MessageBoxes boxes_;
  fakes::FileChooser chooser_;

  void Store(const char* key, const char* value) {
    WritePrivateProfileStringA(kSection, key, value, testing_support::TestSettings().Path());
  }
  void OpenPage() {
    parent_ = std::make_unique<TestParentWindow>(500, 420);
    bar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, parent_->Window(),
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_EQ(1, page_->Open(parent_->Window(), bar_, kHeader));
    PumpMessages();
  }
  HWND Item(int id) { return GetDlgItem(page_->Window(), id); }
  int Selection(int id) { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }
  void SetBell(const std::string& text) {
    SetWindowTextA(Item(IDC_SETTINGS_BELL_FILE), text.c_str());
  }
  std::string Bell() { return WindowText(Item(IDC_SETTINGS_BELL_FILE)); }
  std::string MakeFile(const std::string& name) {
    WriteFileBytes(folder_ + "\\" + name, "RIFF");
    return folder_ + "\\" + name;
  }
  bool DataFileExists() {
    bool exists = true;
    ReadFileBytes(testing_support::TestSettings().Path(), &exists);
    return exists;
  }

  std::string folder_;
  std::unique_ptr<SettingsPage> page_;
  std::unique_ptr<TestParentWindow> parent_;
  HWND bar_ = nullptr;
};

TEST_F(SettingsPageTest, StoredValuesFillTheControlsAndGoBackUnchanged) {
  Store("EndTab", "0");
  Store("StartWay", "12");  // no list item stands for it
  Store("TimeWay", "7");
  Store("EndWay", "8");
  Store("BellFile", "C:\\音楽\\表.wav");
  OpenPage();
  EXPECT_NE(BST_CHECKED, IsDlgButtonChecked(page_->Window(), IDC_SETTINGS_END_TAB));
  EXPECT_EQ(CB_ERR, Selection(IDC_SETTINGS_START_METHOD));
  EXPECT_EQ(7, Selection(IDC_SETTINGS_LAP_METHOD));
  EXPECT_EQ(8, Selection(IDC_SETTINGS_STOP_METHOD));
  EXPECT_EQ("C:\\音楽\\表.wav", Bell());
  for (int id : {IDC_SETTINGS_START_METHOD, IDC_SETTINGS_LAP_METHOD, IDC_SETTINGS_STOP_METHOD}) {
    char first[64] = {}, last[64] = {};
    EXPECT_EQ(9, SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
    SendMessageA(Item(id), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    SendMessageA(Item(id), CB_GETLBTEXT, 8, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ("通常", first);  // unsorted: the item's position is the method
    EXPECT_STREQ("Enterキー押下", last);
  }
  page_->SaveSettings();
  EXPECT_EQ("0", ReadKey(kSection, "EndTab"));
  EXPECT_EQ("-1", ReadKey(kSection, "StartWay"));
  EXPECT_EQ("7", ReadKey(kSection, "TimeWay"));
  EXPECT_EQ("8", ReadKey(kSection, "EndWay"));
  EXPECT_EQ("C:\\音楽\\表.wav", ReadKey(kSection, "BellFile"));  // missing: left alone
}

TEST_F(SettingsPageTest, PageSitsBetweenTabHeaderAndStatusBarAndShowsItsNotice) {
  OpenPage();
  RECT client = {}, bar = {}, page = {};
  GetClientRect(parent_->Window(), &client);
  GetWindowRect(bar_, &bar);
  GetWindowRect(page_->Window(), &page);
  MapWindowPoints(nullptr, parent_->Window(), reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(8, page.left);
  EXPECT_EQ(kHeader + 4, page.top);
  EXPECT_EQ(client.right - 20, page.right - page.left);
  EXPECT_EQ(client.bottom - kHeader - (bar.bottom - bar.top) - 10, page.bottom - page.top);

  const std::string notice = StatusBarText(bar_);
  EXPECT_GT(notice.size(), 0u);
  EXPECT_LE(notice.size(), 63u);
  page_->Show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(page_->Window()) || IsWindowVisible(bar_));
  // Showing again puts the notice back over whatever another page wrote.
  SendMessageA(bar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("other"));
  page_->Open(parent_->Window(), bar_, kHeader);
  EXPECT_EQ(notice, StatusBarText(bar_));
  EXPECT_TRUE(IsWindowVisible(page_->Window()) && IsWindowVisible(bar_));
}

TEST_F(SettingsPageTest, BellFileIsStoredOnlyWhenEmptyOrAnExistingPlayableFile) {
  const std::string capitals = MakeFile("CHIME.WAV");
  const std::string text = MakeFile("bell.txt");
  MakeFile("gong.wma");
  // Exactly as long as a stored path may be; a longer text starting with it must
  // not be stored cut down to it.
  const std::string longest = MakeFile(std::string(254 - folder_.size(), 'x') + ".wav");
  ASSERT_EQ(259u, longest.size());
  const struct {
    std::string typed;
    std::string stored;  // "old" when refused
  } cases[] = {
      {capitals, capitals},       {folder_ + "\\missing.wav", "old"}, {text, "old"}, {"", ""},
      {"gong.wma", "gong.wma"},  // a bare name counts in the current directory
      {longest + "y.wav", "old"},
  };
  const std::string before = [] {
    char dir[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    return std::string(dir);
  }();
  SetCurrentDirectoryA(folder_.c_str());
  OpenPage();
  for (const auto& c : cases) {
    Store("BellFile", "old");
    Store("EndWay", "0");
    boxes_.boxes.clear();
    SetBell(c.typed);
    SendMessageA(Item(IDC_SETTINGS_STOP_METHOD), CB_SETCURSEL, 4, 0);
    page_->SaveSettings();
    EXPECT_EQ(c.stored, ReadKey(kSection, "BellFile")) << c.typed;
    EXPECT_EQ("4", ReadKey(kSection, "EndWay")) << c.typed;  // stored even when refused
    EXPECT_EQ(c.stored == "old" ? 1u : 0u, boxes_.boxes.size()) << c.typed;
    EXPECT_EQ(c.typed, Bell());  // a refused text stays for the user to correct
  }
  SetCurrentDirectoryA(before.c_str());
  SetBell(folder_ + "\\missing.wav");
  boxes_.boxes.clear();
  page_->SaveSettings();
  ASSERT_EQ(1u, boxes_.boxes.size());
  EXPECT_EQ(page_->Window(), boxes_.boxes[0].owner);
  EXPECT_EQ("ベルファイルが有効ではありません。", boxes_.boxes[0].text);
  EXPECT_EQ("", boxes_.boxes[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK), boxes_.boxes[0].type);  // OK only, no icon
}

TEST_F(SettingsPageTest, BrowseProposesPlainNamesOrExistingPathsAndFillsTheBoxOnConfirm) {
  const std::string existing = MakeFile("ring.mp3");
  OpenPage();
  const char* const typed[] = {"new.wav", "x", "C:\\nowhere\\bell.wav", "a:b.wav", "ソング.wav"};
  const char* const proposed[] = {"new.wav", "", "", "", "ソング.wav"};
  for (const char* text : typed) {
    SetBell(text);
    SendMessageA(page_->Window(), WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_BROWSE, BN_CLICKED), 0);
    EXPECT_EQ(text, Bell());  // cancelled: the box keeps its text
  }
  SetBell(existing);
  chooser_.answer = "C:\\sounds\\new.wav";
  // Any notification of the button browses.
  SendMessageA(page_->Window(), WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_BROWSE, BN_DOUBLECLICKED), 0);
  ASSERT_EQ(6u, chooser_.proposals.size());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(proposed[i], chooser_.proposals[i]) << typed[i];
  EXPECT_EQ(existing, chooser_.proposals[5]);
  EXPECT_EQ("C:\\sounds\\new.wav", Bell());
  EXPECT_FALSE(DataFileExists());  // nothing saved until the tab is left
}

TEST_F(SettingsPageTest, PageNeverOpenedWritesNothing) {
  page_->SaveSettings();
  page_.reset();
  EXPECT_FALSE(DataFileExists());
}

TEST_F(SettingsPageTest, DestroyingThePageSavesOnceAndLeavesNoDeadHandle) {
  OpenPage();
  SendMessageA(Item(IDC_SETTINGS_START_METHOD), CB_SETCURSEL, 6, 0);
  SetBell(folder_ + "\\missing.mid");
  parent_.reset();
  EXPECT_EQ("6", ReadKey(kSection, "StartWay"));
  EXPECT_EQ(1u, boxes_.boxes.size());
  EXPECT_EQ(nullptr, page_->Window());
  page_->SaveSettings();
  EXPECT_EQ(1u, boxes_.boxes.size());
}

TEST_F(SettingsPageTest, RealMessageBoxShowsTheTextWithoutCaption) {
  SystemMessageBoxes real;
  page_ = std::make_unique<SettingsPage>(testing_support::TestSettings(), real, chooser_);
  OpenPage();
  SetBell(folder_ + "\\missing.wav");
  std::string text, caption;
  ModalScript user({WhenDialog(IsMessageBox, [&](HWND box) {
    text = ItemText(box, 0xFFFF);
    caption = WindowText(box);
    PostClick(box, IDOK);
  })});
  page_->SaveSettings();
  EXPECT_TRUE(user.Done());
  EXPECT_EQ("ベルファイルが有効ではありません。", text);
  EXPECT_EQ("", caption);
  SetBell("");  // nothing to refuse when the page saves at its end
}

}  // namespace
