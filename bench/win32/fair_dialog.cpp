// The fair yardstick: what any program with the program's window must pay before
// it does anything of its own. The bare dialog, plus the program's manifest
// (common controls 6) and dialog font, a tab control with three tabs, a list view
// with seven columns and a status bar. Start-up and peak memory of the program
// are shown against it beside the bare dialog, so the table separates the cost of
// the platform's controls from the cost of the program's own work.
#include <windows.h>
#include <commctrl.h>

namespace {

const int kTab = 100;
const int kList = 101;

void Dress(HWND window) {
  const char* const tabs[3] = {"ストップウォッチ", "タイマー", "設定"};
  for (int i = 0; i < 3; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(tabs[i]);
    SendDlgItemMessageA(window, kTab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  // As many columns as the program's lap list can show.
  const char* const columns[7] = {"No", "ラップ", "スプリット", "時刻", "差", "平均", "メモ"};
  for (int i = 0; i < 7; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 60;
    column.pszText = const_cast<char*>(columns[i]);
    SendDlgItemMessageA(window, kList, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  SendDlgItemMessageA(window, kList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                      LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr,
                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), nullptr);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Dress(window);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        EndDialog(window, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(window, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, DialogProc, 0));
}
