#include "timer/preset_name_dialog_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "timer/preset_dialog_ids.h"
#include "win32_test_support.h"

namespace {

const char kCaption[] = "タイマー登録";

// What the user does once the dialog is up: type a text (unless null) and
// press a button (or a key); a refused name shows a message box, answered OK.
struct Step {
  const char* typed;
  UINT message;  // WM_COMMAND (button id in wParam), WM_CLOSE or WM_KEYDOWN to the edit
  WPARAM wParam;
  bool expectBox;
};

struct SeenBox {
  std::string text;
  std::string caption;
  bool ownedByDialog;
  bool hasIcon;
};

// Plays the steps from a thread of its own while the dialog runs modally on
// the test's thread, and records what the dialog showed.
class DialogDriver {
 public:
  explicit DialogDriver(std::vector<Step> steps)
      : uiThread_(GetCurrentThreadId()), steps_(std::move(steps)) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~DialogDriver() {
    Finish();
    CloseHandle(thread_);
  }
  // Waits until the driver has played its steps; its findings are then stable.
  void Finish() { WaitForSingleObject(thread_, INFINITE); }

  bool foundDialog = false;
  bool focusInEdit = false;
  LRESULT limit = 0;
  std::string staticText;
  std::vector<SeenBox> boxes;
  bool timedOut = false;

 private:
  struct Find {
    const char* caption;  // null: any message box but `other`
    HWND other;
    HWND found;
  };
  static BOOL CALLBACK Match(HWND window, LPARAM data) {
    Find* find = reinterpret_cast<Find*>(data);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(window))
      return TRUE;
    if (find->caption != nullptr ? testing_support::WindowText(window) == find->caption
                                 : GetDlgItem(window, 0xFFFF) != nullptr) {
      find->found = window;
      return FALSE;
    }
    return TRUE;
  }
  // A message box is told by its text's id 0xFFFF, which the name dialog's own
  // caption static (id -1) shares; hence `other`.
  HWND WaitFor(const char* caption, HWND other = nullptr) {
    for (int i = 0; i < 500; ++i) {
      Find find = {caption, other, nullptr};
      EnumThreadWindows(uiThread_, Match, reinterpret_cast<LPARAM>(&find));
      if (find.found != nullptr)
        return find.found;
      Sleep(10);
    }
    timedOut = true;
    return nullptr;
  }

  static DWORD WINAPI Run(LPVOID param) {
    static_cast<DialogDriver*>(param)->Play();
    return 0;
  }

  void Play() {
    HWND dialog = WaitFor(kCaption);
    if (dialog == nullptr)
      return;
    foundDialog = true;
    HWND edit = GetDlgItem(dialog, IDC_PRESET_NAME_EDIT);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(uiThread_, &info);
    focusInEdit = info.hwndFocus == edit;
    limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
    staticText = testing_support::ItemText(dialog, -1);
    for (const Step& step : steps_) {
      if (step.typed != nullptr)
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.typed));
      if (step.message == WM_KEYDOWN) {
        PostMessageA(edit, WM_KEYDOWN, step.wParam, 0);
      } else {
        PostMessageA(dialog, step.message, step.wParam, 0);
      }
      if (!step.expectBox)
        continue;
      HWND box = WaitFor(nullptr, dialog);
      if (box == nullptr)
        break;
      SeenBox seen;
      seen.text = testing_support::ItemText(box, 0xFFFF);
      seen.caption = testing_support::WindowText(box);
      seen.ownedByDialog = GetWindow(box, GW_OWNER) == dialog;
      seen.hasIcon = GetDlgItem(box, 0x0440) != nullptr && IsWindowVisible(GetDlgItem(box, 0x0440));
      boxes.push_back(seen);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
    }
    // Whatever went wrong, do not leave the test waiting on a modal dialog.
    if (timedOut && IsWindow(dialog))
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  DWORD uiThread_;
  std::vector<Step> steps_;
  HANDLE thread_ = nullptr;
};

struct Outcome {
  int result;
  std::string buffer;
};

// Runs the dialog over a buffer holding `before` while the driver plays.
Outcome RunDialog(DialogDriver* driver, const char* before = "before") {
  testing_support::TestParentWindow owner;
  char buffer[kPresetNameBufferSize];
  std::memset(buffer, 'x', sizeof buffer);
  std::memcpy(buffer, before, std::strlen(before) + 1);
  const int result = PresetNameDialog(owner.Window(), buffer);
  driver->Finish();
  EXPECT_FALSE(driver->timedOut);
  return {result, buffer};
}

TEST(PresetNameDialog, OpensWithItsCaptionAndTheFocusInTheLimitedNameField) {
  DialogDriver d({{"お茶", WM_COMMAND, IDOK, false}});
  const Outcome out = RunDialog(&d);
  EXPECT_TRUE(d.foundDialog);
  EXPECT_TRUE(d.focusInEdit);
  EXPECT_EQ(64, d.limit);
  EXPECT_EQ("タイマーの登録名：", d.staticText);
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ("お茶", out.buffer);
}

TEST(PresetNameDialog, AnEmptyNameIsRefusedWithAMessageAndTheDialogStaysOpen) {
  DialogDriver d({{"", WM_COMMAND, IDOK, true}, {"Tea", WM_COMMAND, IDOK, false}});
  const Outcome out = RunDialog(&d);
  const std::vector<SeenBox>& boxes = d.boxes;
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ("Tea", out.buffer);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("名前を入力してください。", boxes[0].text);
  EXPECT_EQ("", boxes[0].caption);
  EXPECT_TRUE(boxes[0].ownedByDialog);
  EXPECT_TRUE(boxes[0].hasIcon);
}

TEST(PresetNameDialog, ANameWithACommaIsRefusedSoTheStoredRecordStaysReadable) {
  DialogDriver d({{"a,b", WM_COMMAND, IDOK, true}, {"ab", WM_COMMAND, IDOK, false}});
  const Outcome out = RunDialog(&d);
  const std::vector<SeenBox>& boxes = d.boxes;
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ("ab", out.buffer);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("名前に「,」は使えません。", boxes[0].text);
  EXPECT_EQ("", boxes[0].caption);
  EXPECT_TRUE(boxes[0].ownedByDialog);
  EXPECT_TRUE(boxes[0].hasIcon);
}

TEST(PresetNameDialog, CancelCloseAndEscapeLeaveTheBufferAsItWas) {
  const Step endings[] = {{"typed", WM_COMMAND, IDCANCEL, false},
                          {"typed", WM_CLOSE, 0, false},
                          {"typed", WM_KEYDOWN, VK_ESCAPE, false}};
  for (const Step& ending : endings) {
    DialogDriver d({ending});
    const Outcome out = RunDialog(&d, "kept");
    EXPECT_EQ(IDCANCEL, out.result) << ending.message;
    EXPECT_EQ("kept", out.buffer) << ending.message;
  }
}

TEST(PresetNameDialog, ALongJapaneseNameIsKeptToSixtyFourBytesOfWholeCharacters) {
  std::string typed;
  for (int i = 0; i < 40; ++i) typed += "表";
  DialogDriver d({{typed.c_str(), WM_COMMAND, IDOK, false}});
  const Outcome out = RunDialog(&d);
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ(typed.substr(0, 64), out.buffer);
}

}  // namespace
