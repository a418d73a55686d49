#include "timer/preset_name_dialog_win32.h"

#include <cstring>

#include "timer/preset_dialog_ids.h"
#include "timer/preset_record.h"

namespace {

const char kEnterNameText[] = "名前を入力してください。";
const char kNoCommaText[] = "名前に「,」は使えません。";
const char kEmptyCaption[] = "";

// The edit field may hold more bytes than a name keeps: its limit counts
// characters, and a double-byte character takes two bytes.
constexpr int kTypedBufferSize = 4 * kPresetNameMaxBytes + 1;

class PresetNameDialogBox {
 public:
  explicit PresetNameDialogBox(char* nameBuffer) : nameBuffer_(nameBuffer), dialog_(nullptr) {}

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  INT_PTR OnInitDialog(HWND dialog);
  INT_PTR OnCommand(WORD id);
  void OnOk();
  void Refuse(const char* text);

  char* nameBuffer_;
  HWND dialog_;
};

INT_PTR CALLBACK PresetNameDialogBox::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
      return reinterpret_cast<PresetNameDialogBox*>(lParam)->OnInitDialog(dialog);
    }
    PresetNameDialogBox* self =
        reinterpret_cast<PresetNameDialogBox*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (self == nullptr)
      return FALSE;
    if (message == WM_COMMAND)
      return self->OnCommand(LOWORD(wParam));
    return FALSE;
  } catch (...) {
    // Nothing may unwind through the dialog manager.
    return FALSE;
  }
}

INT_PTR PresetNameDialogBox::OnInitDialog(HWND dialog) {
  dialog_ = dialog;
  HWND edit = GetDlgItem(dialog, IDC_PRESET_NAME_EDIT);
  SendMessageA(edit, EM_LIMITTEXT, kPresetNameMaxBytes, 0);
  SetFocus(edit);
  return FALSE;  // the focus is set
}

INT_PTR PresetNameDialogBox::OnCommand(WORD id) {
  if (id == IDOK) {
    OnOk();
    return TRUE;
  }
  if (id == IDCANCEL) {
    EndDialog(dialog_, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

void PresetNameDialogBox::OnOk() {
  char typed[kTypedBufferSize] = {};
  GetDlgItemTextA(dialog_, IDC_PRESET_NAME_EDIT, typed, sizeof typed);
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
  EndDialog(dialog_, IDOK);
}

void PresetNameDialogBox::Refuse(const char* text) {
  MessageBoxA(dialog_, text, kEmptyCaption, MB_OK | MB_ICONINFORMATION);
  SetFocus(GetDlgItem(dialog_, IDC_PRESET_NAME_EDIT));
}

}  // namespace

int PresetNameDialog(HWND owner, char* nameBuffer) {
  if (nameBuffer == nullptr)
    return IDCANCEL;
  PresetNameDialogBox box(nameBuffer);
  const INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PRESET_NAME), owner,
                      PresetNameDialogBox::Procedure, reinterpret_cast<LPARAM>(&box));
  return result == IDOK ? IDOK : IDCANCEL;
}
