#include "timer/preset_name_dialog_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/dialogs.h"
#include "support/fakes_win32.h"
#include "timer/preset_dialog_ids.h"
#include "win32_test_support.h"

namespace {

using namespace testing_support;

const char kCaption[] = "タイマー登録";

// What the user does once the dialog is up: type a text (unless null) and
// press a button (or a key).
struct Step {
  const char* typed;
  UINT message;  // WM_COMMAND (button id in wParam), WM_CLOSE or WM_KEYDOWN to the edit
  WPARAM wParam;
};

struct Outcome {
  int result;
  std::string buffer;
  bool played;  // every step was played in time
  // The dialog and what it showed when it came up.
  HWND dialog;
  bool focusInEdit;
  LRESULT limit;
  std::string staticText;
};

// Runs the dialog over a buffer holding `before` while the steps are played in
// it, a refused name said in boxes.
Outcome RunDialog(const std::vector<Step>& steps, fakes::MessageBoxes& boxes,
                  const char* before = "before") {
  Outcome out = {};
  auto isNameDialog = [](HWND window) { return WindowText(window) == kCaption; };
  std::vector<ModalScript::Step> script = {WhenDialog(isNameDialog, [&out](HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_PRESET_NAME_EDIT);
    out.dialog = dialog;
    out.focusInEdit = GetFocus() == edit;
    out.limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
    out.staticText = ItemText(dialog, -1);
  })};
  for (const Step& step : steps) {
    script.push_back(WhenDialog(isNameDialog, [step](HWND dialog) {
      HWND edit = GetDlgItem(dialog, IDC_PRESET_NAME_EDIT);
      if (step.typed != nullptr)
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.typed));
      PostMessageA(step.message == WM_KEYDOWN ? edit : dialog, step.message, step.wParam, 0);
    }));
  }
  TestParentWindow owner;
  char buffer[kPresetNameBufferSize];
  std::memset(buffer, 'x', sizeof buffer);
  std::memcpy(buffer, before, std::strlen(before) + 1);
  {
    ModalScript user(script);
    out.result = PresetNameDialog(owner.Window(), buffer, boxes);
    out.played = user.Done();
  }
  out.buffer = buffer;
  return out;
}

TEST(PresetNameDialog, OpensWithItsCaptionAndTheFocusInTheLimitedNameField) {
  fakes::MessageBoxes boxes;
  const Outcome out = RunDialog({{"お茶", WM_COMMAND, IDOK}}, boxes);
  EXPECT_TRUE(out.played);
  EXPECT_TRUE(out.focusInEdit);
  EXPECT_EQ(64, out.limit);
  EXPECT_EQ("タイマーの登録名：", out.staticText);
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ("お茶", out.buffer);
  EXPECT_TRUE(boxes.boxes.empty());
}

// A refused name is said in a box owned by the dialog, with the information
// icon and an empty caption, and the dialog stays open for another.
TEST(PresetNameDialog, EmptyNamesAndNamesWithACommaAreRefusedAndTheDialogStaysOpen) {
  const struct {
    const char* refused;
    const char* message;
  } cases[] = {{"", "名前を入力してください。"}, {"a,b", "名前に「,」は使えません。"}};
  for (const auto& c : cases) {
    fakes::MessageBoxes boxes;
    const Outcome out =
        RunDialog({{c.refused, WM_COMMAND, IDOK}, {"Tea", WM_COMMAND, IDOK}}, boxes);
    EXPECT_TRUE(out.played);
    EXPECT_EQ(IDOK, out.result);
    EXPECT_EQ("Tea", out.buffer);
    ASSERT_EQ(1u, boxes.boxes.size()) << c.refused;
    EXPECT_EQ(c.message, boxes.boxes[0].text);
    EXPECT_EQ("", boxes.boxes[0].caption);
    EXPECT_EQ(out.dialog, boxes.boxes[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes.boxes[0].type);
  }
}

TEST(PresetNameDialog, CancelCloseAndEscapeLeaveTheBufferAsItWas) {
  const Step endings[] = {
      {"typed", WM_COMMAND, IDCANCEL}, {"typed", WM_CLOSE, 0}, {"typed", WM_KEYDOWN, VK_ESCAPE}};
  for (const Step& ending : endings) {
    fakes::MessageBoxes boxes;
    const Outcome out = RunDialog({ending}, boxes, "kept");
    EXPECT_TRUE(out.played);
    EXPECT_EQ(IDCANCEL, out.result) << ending.message;
    EXPECT_EQ("kept", out.buffer) << ending.message;
  }
}

TEST(PresetNameDialog, ALongJapaneseNameIsKeptToSixtyFourBytesOfWholeCharacters) {
  std::string typed;
  for (int i = 0; i < 40; ++i) typed += "表";
  fakes::MessageBoxes boxes;
  const Outcome out = RunDialog({{typed.c_str(), WM_COMMAND, IDOK}}, boxes);
  EXPECT_EQ(IDOK, out.result);
  EXPECT_EQ(typed.substr(0, 64), out.buffer);
}

}  // namespace
