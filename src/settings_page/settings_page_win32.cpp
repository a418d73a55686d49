#include "settings_page/settings_page_win32.h"

#include <commctrl.h>

#include <string>

#include "settings/file_chooser_win32.h"
#include "settings/file_helper_win32.h"
#include "settings/path_rules.h"
#include "settings/settings_file_win32.h"
#include "settings/settings_schema.h"
#include "settings_page/settings_dialog_ids.h"
#include "settings_page/settings_rules.h"
#include "triggers/stored_trigger_methods_win32.h"
#include "triggers/trigger_methods.h"

namespace {

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
  PageSaveTarget(const SettingsFile& settings, HWND page, MessageBoxes& boxes)
      : settings_(settings), page_(page), boxes_(boxes) {}
  void Write(const char* key, const char* value) override {
    settings_.WriteString(schema::kSettingSection, key, value);
  }
  bool PathExists(const char* path) override { return ::PathExists(path); }
  void ReportInvalidBellFile() override { boxes_.Show(page_, kInvalidBellFileMessage, "", MB_OK); }

 private:
  const SettingsFile& settings_;
  HWND page_;
  MessageBoxes& boxes_;
};

int Selection(HWND page, int id) {
  return static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0));
}

}  // namespace

SettingsPage::SettingsPage(const SettingsFile& settings, MessageBoxes& boxes, FileChooser& chooser,
                           desktop::ActivityReport& activity)
    : Page(IDD_SETTINGS_PAGE),
      settings_(settings),
      boxes_(boxes),
      chooser_(chooser),
      activity_(activity) {}

void SettingsPage::BeforeShow(int command) {
  if (command != SW_HIDE)
    SetStatusText(kSettingsNotice);
}

void SettingsPage::SaveSettings() {
  HWND page = Window();
  if (page == nullptr)
    return;
  const std::string bellFile = ControlText(GetDlgItem(page, IDC_SETTINGS_BELL_FILE));
  SettingsValues values;
  values.endTab = IsDlgButtonChecked(page, IDC_SETTINGS_END_TAB) == BST_CHECKED;
  values.startMethod = Selection(page, IDC_SETTINGS_START_METHOD);
  values.lapMethod = Selection(page, IDC_SETTINGS_LAP_METHOD);
  values.stopMethod = Selection(page, IDC_SETTINGS_STOP_METHOD);
  values.notificationArea = IsDlgButtonChecked(page, IDC_SETTINGS_NOTIFICATION_AREA) == BST_CHECKED;
  values.bellFile = bellFile.c_str();
  PageSaveTarget target(settings_, page, boxes_);
  SaveSettingsValues(values, target);
}

void SettingsPage::OnInitPage() {
  // Only a stored 1 means "on": the main dialog reads the key the same way.
  CheckDlgButton(Window(), IDC_SETTINGS_END_TAB,
                 settings_.ReadInt(schema::kSettingSection, schema::kEndTab, 1) == 1
                     ? BST_CHECKED
                     : BST_UNCHECKED);
  const triggers::TriggerMethods stored = ReadTriggerMethods(settings_);
  FillTriggerMethodList(IDC_SETTINGS_START_METHOD, stored.start);
  FillTriggerMethodList(IDC_SETTINGS_LAP_METHOD, stored.lap);
  FillTriggerMethodList(IDC_SETTINGS_STOP_METHOD, stored.stop);
  CheckDlgButton(Window(), IDC_SETTINGS_NOTIFICATION_AREA,
                 desktop::NotificationAreaOn(
                     settings_.ReadInt(schema::kSettingSection, schema::kNotificationArea, 1))
                     ? BST_CHECKED
                     : BST_UNCHECKED);

  char bellFile[kMaxPathChars] = {};
  settings_.ReadString(schema::kSettingSection, schema::kBellFile, "", bellFile, sizeof bellFile);
  SetDlgItemTextA(Window(), IDC_SETTINGS_BELL_FILE, bellFile);
}

void SettingsPage::FillTriggerMethodList(int id, int stored) {
  HWND list = Item(id);
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
}

bool SettingsPage::OnCommand(int id, int code, HWND) {
  if (id == IDC_SETTINGS_NOTIFICATION_AREA && code == BN_CLICKED) {
    // In force at once; stored with the other settings.
    activity_.NotificationAreaSwitched(
        IsDlgButtonChecked(Window(), IDC_SETTINGS_NOTIFICATION_AREA) == BST_CHECKED);
    return true;
  }
  if (id != IDC_SETTINGS_BROWSE)
    return false;
  Browse();  // whatever the notification
  return true;
}

void SettingsPage::Browse() {
  const std::string text = ControlText(Item(IDC_SETTINGS_BELL_FILE));
  char fileName[kPathBufferSize] = {};
  if (MayProposeToChooser(text.c_str(), PathExists(text))) {
    CopyBounded(fileName, sizeof fileName, text);
  }
  char filter[256];
  if (BuildChooserFilter(kBellFileTypes, kBellFileTypeCount, filter, sizeof filter) == 0)
    return;
  if (chooser_.ChooseOpen(Window(), fileName, kMaxPathChars, filter)) {
    SetDlgItemTextA(Window(), IDC_SETTINGS_BELL_FILE, fileName);
  }
}
