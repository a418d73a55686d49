#include "settings_page/settings_page_win32.h"

#include <commctrl.h>

#include <string>

#include "ui/page_win32.h"
#include "settings/file_chooser_win32.h"
#include "settings/file_helper_win32.h"
#include "settings/path_rules.h"
#include "settings/profile_win32.h"
#include "settings_page/settings_dialog_ids.h"
#include "settings_page/settings_rules.h"
#include "triggers/trigger_methods.h"

namespace {

int PlatformMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxA(owner, text, caption, type);
}

// The whole text of a control, however long the user made it.
std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  if (length <= 0)
    return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(control, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

bool PathExists(const std::string& path) {
  std::string copy = path;  // the helper takes a writable text
  return FileHelper().PathExists(&copy[0], false);
}

// Saving as the page does it: Data.ini, the file system and a message box owned
// by the page.
class PageSaveTarget : public SettingsSaveTarget {
 public:
  PageSaveTarget(HWND page, const SettingsPageDialogs& dialogs) : page_(page), dialogs_(dialogs) {}
  void Write(const char* key, const char* value) override {
    ProfileWriteString(kSettingSection, key, value);
  }
  bool PathExists(const char* path) override { return ::PathExists(path); }
  void ReportInvalidBellFile() override {
    if (dialogs_.messageBox != nullptr) {
      dialogs_.messageBox(page_, kInvalidBellFileMessage, "", MB_OK);
    }
  }

 private:
  HWND page_;
  const SettingsPageDialogs& dialogs_;
};

struct WayList {
  int id;
  const char* key;
};
const WayList kWayLists[] = {
    {IDC_SETTINGS_START_WAY, kKeyStartWay},
    {IDC_SETTINGS_TIME_WAY, kKeyTimeWay},
    {IDC_SETTINGS_END_WAY, kKeyEndWay},
};

}  // namespace

SettingsPageDialogs PlatformSettingsPageDialogs() {
  SettingsPageDialogs dialogs;
  dialogs.messageBox = PlatformMessageBox;
  dialogs.chooseFile = [](HWND owner, char* fileName, DWORD size, const char* filter) {
    SystemFileChooser chooser;
    return chooser.ChooseOpen(owner, fileName, size, filter);
  };
  return dialogs;
}

SettingsPage::SettingsPage()
    : pageWindow_(nullptr),
      statusBar_(nullptr),
      tabHeaderHeight_(0),
      dialogs_(PlatformSettingsPageDialogs()) {
  EnsureSettingsPath();
}

SettingsPage::~SettingsPage() = default;

int SettingsPage::Open(HWND parent, HWND statusBar, int tabHeaderHeight) {
  if (pageWindow_ == nullptr) {
    tabHeaderHeight_ = tabHeaderHeight;
    statusBar_ = statusBar;
    CreatePageDialog(parent, IDD_SETTINGS_PAGE, DialogProc, this);
  }
  Show(SW_SHOW);
  return pageWindow_ != nullptr ? 1 : 0;
}

void SettingsPage::Show(int command) {
  if (command != SW_HIDE)
    SetNotice();
  if (statusBar_ != nullptr)
    ShowWindow(statusBar_, command);
  if (pageWindow_ != nullptr)
    ShowWindow(pageWindow_, command);
}

void SettingsPage::SetNotice() {
  if (statusBar_ == nullptr)
    return;
  SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kSettingsNotice));
}

void SettingsPage::Resize(int width, int height) {
  if (pageWindow_ == nullptr)
    return;
  SetWindowPos(pageWindow_, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsPage::SaveSettings() {
  if (pageWindow_ == nullptr)
    return;
  const std::string bellFile = ControlText(GetDlgItem(pageWindow_, IDC_SETTINGS_BELL_FILE));
  SettingsValues values;
  values.endTab = IsDlgButtonChecked(pageWindow_, IDC_SETTINGS_END_TAB) == BST_CHECKED;
  values.startWay = static_cast<int>(
      SendDlgItemMessageA(pageWindow_, IDC_SETTINGS_START_WAY, CB_GETCURSEL, 0, 0));
  values.timeWay =
      static_cast<int>(SendDlgItemMessageA(pageWindow_, IDC_SETTINGS_TIME_WAY, CB_GETCURSEL, 0, 0));
  values.endWay =
      static_cast<int>(SendDlgItemMessageA(pageWindow_, IDC_SETTINGS_END_WAY, CB_GETCURSEL, 0, 0));
  values.bellFile = bellFile.c_str();
  PageSaveTarget target(pageWindow_, dialogs_);
  SaveSettingsValues(values, target);
}

void SettingsPage::InitPage(HWND window) {
  pageWindow_ = window;

  PlacePageInMainDialog(window, statusBar_, tabHeaderHeight_);

  // Only a stored 1 means "on": the main dialog reads the key the same way.
  CheckDlgButton(window, IDC_SETTINGS_END_TAB,
                 ProfileReadInt(kSettingSection, kKeyEndTab, 1) == 1 ? BST_CHECKED : BST_UNCHECKED);
  for (const WayList& list : kWayLists) FillWayList(list.id, list.key);

  char bellFile[kMaxPathChars] = {};
  ProfileReadString(kSettingSection, kKeyBellFile, "", bellFile, sizeof bellFile);
  SetDlgItemTextA(window, IDC_SETTINGS_BELL_FILE, bellFile);
}

void SettingsPage::FillWayList(int id, const char* key) {
  const int stored = ProfileReadInt(kSettingSection, key, 0);
  HWND list = GetDlgItem(pageWindow_, id);
  for (int method = 0; method < kTriggerMethodCount; ++method) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TriggerMethodName(method)));
  }
  // A value no list item stands for leaves the list without a selection.
  const bool known = stored >= 0 && stored < kTriggerMethodCount;
  SendMessageA(list, CB_SETCURSEL, known ? static_cast<WPARAM>(stored) : static_cast<WPARAM>(-1),
               0);
}

void SettingsPage::OnDestroy() {
  SaveSettings();
  // The object outlives its window; a later call must not reach a dead handle.
  pageWindow_ = nullptr;
}

bool SettingsPage::OnCommand(int id) {
  if (id != IDC_SETTINGS_BROWSE)
    return false;
  Browse();  // whatever the notification
  return true;
}

void SettingsPage::Browse() {
  const std::string text = ControlText(GetDlgItem(pageWindow_, IDC_SETTINGS_BELL_FILE));
  char fileName[kPathBufferSize] = {};
  if (MayProposeToChooser(text.c_str(), PathExists(text))) {
    CopyBounded(fileName, sizeof fileName, text);
  }
  char filter[256];
  if (BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter) == 0)
    return;
  if (dialogs_.chooseFile == nullptr)
    return;
  if (dialogs_.chooseFile(pageWindow_, fileName, kMaxPathChars, filter)) {
    SetDlgItemTextA(pageWindow_, IDC_SETTINGS_BELL_FILE, fileName);
  }
}

INT_PTR SettingsPage::Dispatch(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK SettingsPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      SettingsPage* page = reinterpret_cast<SettingsPage*>(lParam);
      if (page != nullptr)
        page->InitPage(window);
      // The tab control keeps the focus; the page does not take it when created.
      return FALSE;
    }
    SettingsPage* page = reinterpret_cast<SettingsPage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (page == nullptr || page->pageWindow_ != window)
      return FALSE;
    return page->Dispatch(message, wParam);
  } catch (...) {
    // Nothing may unwind through the dialog manager.
    return FALSE;
  }
}
