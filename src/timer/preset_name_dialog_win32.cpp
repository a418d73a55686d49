#include "timer/preset_name_dialog_win32.h"

#include <cstring>

#include "timer/preset_dialog_ids.h"
#include "timer/preset_record.h"
#include "ui/dialog_win32.h"

namespace {

const char kEnterNameText[] = "名前を入力してください。";
const char kNoCommaText[] = "名前に「,」は使えません。";
const char kEmptyCaption[] = "";

// The edit field may hold more bytes than a name keeps: its limit counts
// characters, and a double-byte character takes two bytes.
constexpr int kTypedBufferSize = 4 * kPresetNameMaxBytes + 1;

class PresetNameDialogBox : public Dialog {
 public:
  PresetNameDialogBox(char* nameBuffer, MessageBoxes& boxes)
      : nameBuffer_(nameBuffer), boxes_(boxes) {}

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk();
  void Refuse(const char* text);

  char* nameBuffer_;
  MessageBoxes& boxes_;
};

bool PresetNameDialogBox::OnInitDialog() {
  HWND edit = Item(IDC_PRESET_NAME_EDIT);
  SendMessageA(edit, EM_LIMITTEXT, kPresetNameMaxBytes, 0);
  SetFocus(edit);
  return false;  // the focus is set
}

bool PresetNameDialogBox::OnCommand(int id, int /*code*/, HWND /*control*/) {
  if (id == IDOK) {
    OnOk();
    return true;
  }
  if (id == IDCANCEL) {
    EndDialog(Window(), IDCANCEL);
    return true;
  }
  return false;
}

void PresetNameDialogBox::OnOk() {
  char typed[kTypedBufferSize] = {};
  GetDlgItemTextA(Window(), IDC_PRESET_NAME_EDIT, typed, sizeof typed);
  char name[kPresetNameMaxBytes + 1];
  CopyPresetName(typed, name, sizeof name);
  switch (CheckPresetName(name)) {
    case PresetNameCheck::Empty:
      Refuse(kEnterNameText);
      return;
    case PresetNameCheck::HasComma:
      Refuse(kNoCommaText);
      return;
    case PresetNameCheck::Ok:
      break;
  }
  std::memcpy(nameBuffer_, name, std::strlen(name) + 1);
  EndDialog(Window(), IDOK);
}

void PresetNameDialogBox::Refuse(const char* text) {
  boxes_.Show(Window(), text, kEmptyCaption, MB_OK | MB_ICONINFORMATION);
  SetFocus(Item(IDC_PRESET_NAME_EDIT));
}

}  // namespace

int PresetNameDialog(HWND owner, char* nameBuffer, MessageBoxes& boxes) {
  if (nameBuffer == nullptr)
    return IDCANCEL;
  PresetNameDialogBox box(nameBuffer, boxes);
  const INT_PTR result = box.RunModal(GetModuleHandleA(nullptr), IDD_PRESET_NAME, owner);
  return result == IDOK ? IDOK : IDCANCEL;
}
