#include "app/main_dialog_win32.h"

#include <commctrl.h>

#include <vector>

#include "app/application_win32.h"
#include "app/main_dialog_ids.h"
#include "ui/messages.h"
#include "app/window_layout.h"
#include "settings/profile_win32.h"

const char* const kMainTitles[3] = {
    "Mipoウォッチ　[ストップウォッチ]",
    "Mipoウォッチ　[タイマー]",
    "Mipoウォッチ　[設定]",
};

const char* const kTabTexts[3] = {"ストップウォッチ", "タイマー", "設定"};

const char* const kFirstRunCaption = "Mipoウォッチ";

const char* const kFirstRunNotices[3] = {
    "■■■■■■■■■　Mipoウォッチの使用について　■■■■■■■■■\r\n\r\n"
    "【フリーソフトのお約束】\r\n\r\n"
    "本ソフトウェアを使用したことによって生じたいかなる事態についても、作者は一切の責任を負いません"
    "。\r\n"
    "同意いただける場合にのみご使用ください。",
    "■■■■■　Mipoウォッチの使用について　■■■■■\r\n\r\n"
    "[ストップウォッチ]\r\n\r\n"
    "●リストビューのヘッダーを右クリックするとメニューが表示されます。\r\n"
    "　結果の保存などはこのメニューから行ってください。\r\n\r\n"
    "●タイム表示ウィンドウを右クリックするとフォント変更できます。\r\n\r\n"
    "その他の細かいことはヘルプをご覧ください。",
    "■■■■■　Mipoウォッチの使用について　■■■■■\r\n\r\n"
    "[タイマー]\r\n\r\n"
    "●最大表示ウィンドウにした場合、ESCキーで元のウィンドウに戻ります。\r\n\r\n"
    "●タイム表示ウィンドウを右クリックするとフォント変更できます。\r\n\r\n"
    "その他の細かいことはヘルプをご覧ください。",
};

namespace {

const char kSection[] = "MainDlg";

HWND g_mainDialog = nullptr;
// The width the dialog has from its template, measured at the first size query
// and kept for the rest of the process.
int g_minimumTrackingWidth = 0;

enum Page { kStopwatch = 0, kTimer = 1, kSettings = 2 };

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT area, LPARAM data) {
  Rect r;
  r.left = area->left;
  r.top = area->top;
  r.right = area->right;
  r.bottom = area->bottom;
  reinterpret_cast<std::vector<Rect>*>(data)->push_back(r);
  return TRUE;
}

}  // namespace

HWND MainDialogHandle() {
  return g_mainDialog;
}

INT_PTR MainDialog::RunModal(HINSTANCE instance) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), GetDesktopWindow(),
                         DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND MainDialog::CreateModeless(HINSTANCE instance) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), GetDesktopWindow(),
                            DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK MainDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      MainDialog* self = reinterpret_cast<MainDialog*>(lParam);
      self->window_ = window;
      self->OnInitDialog();
      return FALSE;
    }
    MainDialog* self = reinterpret_cast<MainDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr)
      return FALSE;
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the dialog manager.
    return FALSE;
  }
}

INT_PTR MainDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MIPO_RESTORE_PLACEMENT:
      OnRestorePlacement();
      break;
    case WM_SHOWWINDOW:
      PostMessageA(window_, WM_MIPO_AFTER_SHOW, 0, 0);
      break;
    case WM_MIPO_AFTER_SHOW:
      OnAfterShow();
      break;
    case WM_NOTIFY: {
      // Recognised by the code alone: only the tab control sends these.
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(TCN_SELCHANGING))
        OnSelectionChanging();
      if (header->code == static_cast<UINT>(TCN_SELCHANGE))
        OnSelectionChanged();
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_FRONT_SWITCH) {
        OnFrontSwitch();
        return TRUE;
      }
      break;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      break;
    case WM_EXITSIZEMOVE:
      OnExitSizeMove();
      break;
    case WM_CLOSE:
      EndDialog(window_, 2);
      break;
    case WM_DESTROY:
      OnDestroy();
      break;
    default:
      break;
  }
  return FALSE;
}

HWND MainDialog::Tab() const {
  return GetDlgItem(window_, IDC_MAIN_TAB);
}

int MainDialog::TabHeaderHeight() const {
  RECT item = {};
  SendMessageA(Tab(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  return item.bottom - item.top;
}

int MainDialog::StatusBarHeight() const {
  RECT bar = {};
  if (app_.statusBars[0] != nullptr)
    GetWindowRect(app_.statusBars[0], &bar);
  return bar.bottom - bar.top;
}

void MainDialog::OnInitDialog() {
  g_mainDialog = window_;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));

  icon_ = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON, 16, 16, 0));
  if (icon_ != nullptr)
    SetClassLongPtrA(window_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon_));

  for (int i = 0; i < 3; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[i]);
    SendMessageA(Tab(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }

  InitCommonControls();

  for (HWND& bar : app_.statusBars) bar = nullptr;
  for (HWND& bar : app_.statusBars) {
    bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    if (bar == nullptr)
      break;
  }

  if (ProfileReadInt(kSection, "AlwaysTop", 0) == 1) {
    CheckDlgButton(window_, IDC_FRONT_SWITCH, BST_CHECKED);
  }

  int startTab = kStopwatch;
  if (ProfileReadInt("SettingData", "EndTab", 1) == 1) {
    startTab = ProfileReadInt(kSection, "EndTabPos", 0);
    // Only the stopwatch and the timer are start tabs; anything else (a hand
    // edit) would leave the window without a page.
    if (startTab != kStopwatch && startTab != kTimer)
      startTab = kStopwatch;
  }

  SendMessageA(Tab(), TCM_SETCURSEL, startTab, 0);
  OpenPage(startTab);

  HWND startButton =
      startTab == kTimer ? app_.timerPage.StartButton() : app_.stopwatchPage.StartButton();
  RECT dialog = {};
  GetWindowRect(window_, &dialog);
  RECT button = dialog;
  if (startButton != nullptr)
    GetWindowRect(startButton, &button);
  app_.minimumTrackingHeight = MinimumTrackingHeight(StatusBarHeight(), button.bottom, dialog.top);

  SetWindowPos(Tab(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(window_, SW_HIDE);
  PostMessageA(window_, WM_MIPO_RESTORE_PLACEMENT, 0, 0);
}

void MainDialog::OpenPage(int page) {
  SetWindowTextA(window_, kMainTitles[page]);
  const int header = TabHeaderHeight();
  switch (page) {
    case kStopwatch:
      app_.stopwatchPage.Open(window_, app_.statusBars[0], header);
      break;
    case kTimer:
      app_.timerPage.Open(window_, app_.statusBars[1], header);
      break;
    default:
      app_.settingsPage.Open(window_, app_.statusBars[2], header);
      break;
  }
}

void MainDialog::CentreWindow() {
  RECT desktop = {};
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT own = {};
  GetWindowRect(window_, &own);
  Rect area;
  area.left = desktop.left;
  area.top = desktop.top;
  area.right = desktop.right;
  area.bottom = desktop.bottom;
  const Point p = CentreOnDesktop(area, own.right - own.left, own.bottom - own.top,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(window_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void MainDialog::OnRestorePlacement() {
  const int storedLeft = ProfileReadInt(kSection, "Left", 0);
  const int storedTop = ProfileReadInt(kSection, "Top", 0);
  const int storedWidth = ProfileReadInt(kSection, "Width", 0);
  const int storedHeight = ProfileReadInt(kSection, "Height", 0);
  if (storedWidth != 0) {
    MoveWindow(window_, storedLeft, storedTop, storedWidth, storedHeight, TRUE);
    // A placement on a screen that is gone would open the window where nobody
    // sees it; keep the size and centre it instead.
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    const Rect stored = PlacementRect(storedLeft, storedTop, storedWidth, storedHeight);
    if (!monitors.empty() &&
        !IsPlacementVisible(stored, monitors.data(), static_cast<int>(monitors.size()))) {
      CentreWindow();
    }
  } else {
    CentreWindow();
  }
  app_.left = storedLeft;
  app_.top = storedTop;
  app_.width = storedWidth;
  app_.height = storedHeight;
  ShowWindow(window_, SW_SHOW);
}

void MainDialog::OnAfterShow() {
  if (!showingNotices_ && ProfileReadInt(kSection, "FirstFlag", 1) == 1) {
    // The boxes are modal; a show notification handled inside them must not
    // start the notices a second time.
    showingNotices_ = true;
    for (const char* notice : kFirstRunNotices) {
      MessageBoxA(window_, notice, kFirstRunCaption, MB_ICONINFORMATION | MB_OK);
    }
    ProfileWriteString(kSection, "FirstFlag", "0");
    showingNotices_ = false;
  }
  if (ProfileReadInt(kSection, "AlwaysTop", 0) == 1) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

void MainDialog::OnSelectionChanging() {
  if (SendMessageA(Tab(), TCM_GETCURSEL, 0, 0) == kSettings) {
    app_.settingsPage.SaveSettings();
    app_.timerPage.ReloadBellFile();
  }
}

void MainDialog::OnSelectionChanged() {
  const int page = static_cast<int>(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0));
  switch (page) {
    case kStopwatch:
      app_.timerPage.Show(SW_HIDE);
      app_.settingsPage.Show(SW_HIDE);
      break;
    case kTimer:
      app_.stopwatchPage.Show(SW_HIDE);
      app_.settingsPage.Show(SW_HIDE);
      break;
    case kSettings:
      app_.stopwatchPage.Show(SW_HIDE);
      app_.timerPage.Show(SW_HIDE);
      break;
    default:
      return;
  }
  OpenPage(page);
  SetWindowPos(Tab(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainDialog::OnFrontSwitch() {
  const bool front = IsDlgButtonChecked(window_, IDC_FRONT_SWITCH) == BST_CHECKED;
  SetWindowPos(window_, front ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainDialog::OnSize(int clientWidth, int clientHeight) {
  const int barHeight = StatusBarHeight();
  RECT bar = {};
  if (app_.statusBars[0] != nullptr) {
    GetWindowRect(app_.statusBars[0], &bar);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bar), 2);
  }
  HWND frontSwitch = GetDlgItem(window_, IDC_FRONT_SWITCH);
  RECT switchRect = {};
  GetWindowRect(frontSwitch, &switchRect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&switchRect), 2);
  const MainLayout layout = LayoutMainDialog(clientWidth, clientHeight, bar.left, barHeight,
                                             switchRect.right - switchRect.left, 0);

  HDWP batch = BeginDeferWindowPos(5);
  for (HWND statusBar : app_.statusBars) {
    if (statusBar == nullptr || batch == nullptr)
      continue;
    batch = DeferWindowPos(batch, statusBar, nullptr, layout.statusBar.left, layout.statusBar.top,
                           layout.statusBar.Width(), layout.statusBar.Height(), SWP_NOZORDER);
  }
  if (batch != nullptr) {
    batch = DeferWindowPos(batch, Tab(), nullptr, 0, 0, layout.tabWidth, layout.tabHeight,
                           SWP_NOMOVE | SWP_NOZORDER);
  }
  if (batch != nullptr) {
    batch = DeferWindowPos(batch, frontSwitch, nullptr, layout.frontSwitchX, switchRect.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER);
  }
  if (batch != nullptr)
    EndDeferWindowPos(batch);

  const int header = TabHeaderHeight();
  const int pageWidth = clientWidth - 20;
  const int pageHeight = clientHeight - barHeight - header - 10;
  app_.stopwatchPage.Resize(pageWidth, pageHeight);
  app_.timerPage.Resize(pageWidth, pageHeight);
  app_.settingsPage.Resize(pageWidth, pageHeight);
}

void MainDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (g_minimumTrackingWidth == 0) {
    RECT own = {};
    GetWindowRect(window_, &own);
    g_minimumTrackingWidth = own.right - own.left;
  }
  info->ptMinTrackSize.x = g_minimumTrackingWidth;
  info->ptMinTrackSize.y = app_.minimumTrackingHeight;
}

void MainDialog::OnExitSizeMove() {
  RECT own = {};
  GetWindowRect(window_, &own);
  app_.left = own.left;
  app_.top = own.top;
  app_.width = own.right - own.left;
  app_.height = own.bottom - own.top;
}

void MainDialog::OnDestroy() {
  ProfileWriteInt(kSection, "Left", app_.left);
  ProfileWriteInt(kSection, "Top", app_.top);
  ProfileWriteInt(kSection, "Width", app_.width);
  ProfileWriteInt(kSection, "Height", app_.height);
  ProfileWriteString(kSection, "AlwaysTop",
                     IsDlgButtonChecked(window_, IDC_FRONT_SWITCH) == BST_CHECKED ? "1" : "0");
  const int tab = static_cast<int>(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0));
  ProfileWriteInt(kSection, "EndTabPos", tab == kSettings ? 0 : tab);
}
