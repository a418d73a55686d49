#include "app/main_dialog_win32.h"

#include <commctrl.h>

#include <vector>

#include "app/application_win32.h"
#include "app/help_win32.h"
#include "app/main_dialog_ids.h"
#include "app/window_layout.h"
#include "settings/settings_file_win32.h"
#include "settings/settings_path_win32.h"
#include "settings/settings_schema.h"
#include "ui/dpi.h"
#include "ui/high_contrast_win32.h"
#include "ui/messages.h"

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

enum PageIndex { kStopwatch = 0, kTimer = 1, kSettings = 2 };

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

INT_PTR MainDialog::RunModal(HINSTANCE instance) {
  return Dialog::RunModal(instance, IDD_MAIN_DIALOG, GetDesktopWindow());
}

HWND MainDialog::CreateModeless(HINSTANCE instance) {
  return Dialog::CreateModeless(instance, IDD_MAIN_DIALOG, GetDesktopWindow());
}

bool MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
  if (message == TaskbarList::ButtonCreatedMessage()) {
    if (app_.Services().taskbar.Attach(Window()))
      app_.Services().presence.TaskbarReady();
    return false;
  }
  if (message == ShellNotificationIcon::AreaCreatedMessage()) {
    app_.Services().presence.NotificationAreaReady();
    return false;
  }
  switch (message) {
    case WM_MIPO_NOTIFICATION_ICON:
      OnNotificationIcon(wParam, lParam);
      return true;
    case WM_HELP:
      // F1 in any control of any page reaches here through the parents.
      OpenHelp(Window(), ProgramFolder(), app_.Services().documents, app_.Services().messageBoxes);
      return true;
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wParam);
      return false;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // Only this top-level window hears it; high contrast is read once here
      // and passed to every page, display and control inside.
      TellContrastToDescendants(Window());
      return false;
    case WM_MIPO_RESTORE_PLACEMENT:
      OnRestorePlacement();
      return false;
    case WM_SHOWWINDOW:
      // The notices and the topmost state wait until the show has happened.
      PostMessageA(Window(), WM_MIPO_AFTER_SHOW, 0, 0);
      return false;
    case WM_MIPO_AFTER_SHOW:
      OnAfterShow();
      return false;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return false;
    case WM_EXITSIZEMOVE:
      OnExitSizeMove();
      return false;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      return false;
    case WM_CLOSE:
      // The close box, Alt+F4 and the system menu end the modal run; the
      // windows are destroyed (and everything saved) as it ends.
      EndDialog(Window(), IDCANCEL);
      return false;
    default:
      return false;
  }
}

bool MainDialog::OnNotify(NMHDR* header, LRESULT*) {
  // Only the tab control sends these.
  if (header->code == static_cast<UINT>(TCN_SELCHANGING))
    OnSelectionChanging();
  if (header->code == static_cast<UINT>(TCN_SELCHANGE))
    OnSelectionChanged();
  return false;
}

bool MainDialog::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDC_FRONT_SWITCH:
      OnFrontSwitch();
      return true;
    case IDM_NOTIFY_SHOW_WINDOW:
      BringToFront();
      return true;
    case IDM_NOTIFY_EXIT:
      // As the close box: the modal run ends and everything is saved.
      SendMessageA(Window(), WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

HWND MainDialog::Tab() const {
  return Item(IDC_MAIN_TAB);
}

int MainDialog::TabHeaderHeight() const {
  RECT item = {};
  SendMessageA(Tab(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  return item.bottom - item.top;
}

int MainDialog::StatusBarHeight() const {
  RECT bar = {};
  if (statusBars_[0] != nullptr)
    GetWindowRect(statusBars_[0], &bar);
  return bar.bottom - bar.top;
}

bool MainDialog::OnInitDialog() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Window(), GWLP_HINSTANCE));
  SetIcon(instance);
  InsertTabs();
  InitCommonControls();
  CreateStatusBars(instance);
  if (app_.Settings().ReadInt(schema::kMainSection, schema::kAlwaysTop, 0) == 1)
    CheckDlgButton(Window(), IDC_FRONT_SWITCH, BST_CHECKED);

  app_.Services().attention.Bind(Window());
  app_.Services().notificationIcon.Bind(Window(), WM_MIPO_NOTIFICATION_ICON, instance,
                                        IDI_APP_ICON);

  const int startTab = ChooseStartTab();
  SendMessageA(Tab(), TCM_SETCURSEL, startTab, 0);
  OpenPage(startTab);
  MeasureMinimumHeight(startTab);
  MeasureMinimumWidth();

  // The pages are siblings of the tab control and must be drawn above it.
  SetWindowPos(Tab(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // Shown only once the stored placement is applied, so it never jumps.
  ShowWindow(Window(), SW_HIDE);
  PostMessageA(Window(), WM_MIPO_RESTORE_PLACEMENT, 0, 0);
  return false;
}

void MainDialog::SetIcon(HINSTANCE instance) {
  icon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON,
                                        ScalePixels(16, Dpi()), ScalePixels(16, Dpi()), 0));
  if (icon_ != nullptr)
    SetClassLongPtrA(Window(), GCLP_HICON, reinterpret_cast<LONG_PTR>(icon_));
}

void MainDialog::InsertTabs() {
  for (int i = 0; i < 3; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[i]);
    SendMessageA(Tab(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
}

void MainDialog::CreateStatusBars(HINSTANCE instance) {
  for (HWND& bar : statusBars_) bar = nullptr;
  for (HWND& bar : statusBars_) {
    bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, Window(), nullptr, instance, nullptr);
    if (bar == nullptr)
      break;
  }
}

int MainDialog::ChooseStartTab() const {
  if (app_.Settings().ReadInt(schema::kSettingSection, schema::kEndTab, 1) != 1)
    return kStopwatch;
  const int stored = app_.Settings().ReadInt(schema::kMainSection, schema::kEndTabPos, 0);
  // Only the stopwatch and the timer are start tabs; anything else (a hand
  // edit) would leave the window without a page.
  return stored == kTimer ? kTimer : kStopwatch;
}

void MainDialog::MeasureMinimumHeight(int startTab) {
  measuredTab_ = startTab;
  HWND startButton =
      startTab == kTimer ? app_.Timer().StartButton() : app_.Stopwatch().StartButton();
  RECT dialog = {};
  GetWindowRect(Window(), &dialog);
  RECT button = dialog;
  if (startButton != nullptr)
    GetWindowRect(startButton, &button);
  minimumTrackingHeight_ =
      MinimumTrackingHeight(StatusBarHeight(), button.bottom, dialog.top, Dpi());
}

void MainDialog::OpenPage(int page) {
  SetWindowTextA(Window(), kMainTitles[page]);
  const int header = TabHeaderHeight();
  switch (page) {
    case kStopwatch:
      app_.Stopwatch().Open(Window(), statusBars_[0], header);
      app_.Services().stopwatchTicks.Bind(app_.Stopwatch().Window());
      break;
    case kTimer:
      app_.Timer().Open(Window(), statusBars_[1], header);
      app_.Services().timerTicks.Bind(app_.Timer().Window());
      break;
    default:
      app_.SettingsTab().Open(Window(), statusBars_[2], header);
      break;
  }
}

void MainDialog::CentreWindow() {
  RECT desktop = {};
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT own = {};
  GetWindowRect(Window(), &own);
  Rect area;
  area.left = desktop.left;
  area.top = desktop.top;
  area.right = desktop.right;
  area.bottom = desktop.bottom;
  const Point p = CentreOnDesktop(area, own.right - own.left, own.bottom - own.top,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(Window(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void MainDialog::OnRestorePlacement() {
  const SettingsFile& settings = app_.Settings();
  Placement stored;
  stored.left = settings.ReadInt(schema::kMainSection, schema::kLeft, 0);
  stored.top = settings.ReadInt(schema::kMainSection, schema::kTop, 0);
  stored.width = settings.ReadInt(schema::kMainSection, schema::kWidth, 0);
  stored.height = settings.ReadInt(schema::kMainSection, schema::kHeight, 0);
  stored.dpi =
      MendStoredDpi(settings.ReadInt(schema::kMainSection, schema::kPlacementDpi, kDesignDpi));
  if (stored.width != 0) {
    // Taken at another scaling, the window keeps its size in points.
    const Placement shown = PlacementAt(stored, Dpi());
    MoveWindow(Window(), shown.left, shown.top, shown.width, shown.height, TRUE);
    // A placement on a screen that is gone would open the window where nobody
    // sees it; keep the size and centre it instead.
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    const Rect area = PlacementRect(shown.left, shown.top, shown.width, shown.height);
    if (!monitors.empty() &&
        !IsPlacementVisible(area, monitors.data(), static_cast<int>(monitors.size()))) {
      CentreWindow();
    }
  } else {
    CentreWindow();
  }
  // Until the user moves the window, the record goes back as it was read.
  placement_ = stored;
  ShowWindow(Window(), SW_SHOW);
  // The icon is not needed before the window shows: adding it loads shell32,
  // which would otherwise lengthen the start.
  app_.Services().presence.NotificationAreaSwitched(desktop::NotificationAreaOn(
      settings.ReadInt(schema::kSettingSection, schema::kNotificationArea, 1)));
}

void MainDialog::OnAfterShow() {
  if (!showingNotices_ &&
      app_.Settings().ReadInt(schema::kMainSection, schema::kFirstFlag, 1) == 1) {
    // The boxes are modal; a show notification handled inside them must not
    // start the notices a second time.
    showingNotices_ = true;
    for (const char* notice : kFirstRunNotices) {
      app_.Services().messageBoxes.Show(Window(), notice, kFirstRunCaption,
                                        MB_ICONINFORMATION | MB_OK);
    }
    app_.Settings().WriteString(schema::kMainSection, schema::kFirstFlag, "0");
    showingNotices_ = false;
  }
  if (app_.Settings().ReadInt(schema::kMainSection, schema::kAlwaysTop, 0) == 1) {
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

void MainDialog::OnSelectionChanging() {
  if (SendMessageA(Tab(), TCM_GETCURSEL, 0, 0) == kSettings) {
    // What was saved reaches the timer through Data.ini; the stopwatch reads
    // its trigger methods there when it is shown.
    app_.SettingsTab().SaveSettings();
    app_.Timer().ReloadBellFile();
  }
}

void MainDialog::OnSelectionChanged() {
  const int page = static_cast<int>(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0));
  switch (page) {
    case kStopwatch:
      app_.Timer().Show(SW_HIDE);
      app_.SettingsTab().Show(SW_HIDE);
      break;
    case kTimer:
      app_.Stopwatch().Show(SW_HIDE);
      app_.SettingsTab().Show(SW_HIDE);
      break;
    case kSettings:
      app_.Stopwatch().Show(SW_HIDE);
      app_.Timer().Show(SW_HIDE);
      break;
    default:
      return;
  }
  OpenPage(page);
  SetWindowPos(Tab(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainDialog::OnFrontSwitch() {
  const bool front = IsDlgButtonChecked(Window(), IDC_FRONT_SWITCH) == BST_CHECKED;
  SetWindowPos(Window(), front ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

void MainDialog::OnSize(UINT, int clientWidth, int clientHeight) {
  LayOut(clientWidth, clientHeight);
}

// The status bars along the bottom, the tab control above them, the "in
// front" switch at the right and the pages inside the tab, at Dpi().
void MainDialog::LayOut(int clientWidth, int clientHeight) {
  const int barHeight = StatusBarHeight();
  RECT bar = {};
  if (statusBars_[0] != nullptr) {
    GetWindowRect(statusBars_[0], &bar);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&bar), 2);
  }
  HWND frontSwitch = GetDlgItem(Window(), IDC_FRONT_SWITCH);
  RECT switchRect = {};
  GetWindowRect(frontSwitch, &switchRect);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&switchRect), 2);
  const MainLayout layout = LayoutMainDialog(clientWidth, clientHeight, bar.left, barHeight,
                                             switchRect.right - switchRect.left, Dpi());

  HDWP batch = BeginDeferWindowPos(5);
  for (HWND statusBar : statusBars_) {
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

  const Rect page = PageRect(clientWidth, clientHeight, TabHeaderHeight(), barHeight, Dpi());
  app_.Stopwatch().Place(page);
  app_.Timer().Place(page);
  app_.SettingsTab().Place(page);
}

void MainDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
  info->ptMinTrackSize.x = MulDiv(minimumTrackingWidth_, Dpi(), minimumWidthDpi_);
  info->ptMinTrackSize.y = minimumTrackingHeight_;
}

void MainDialog::MeasureMinimumWidth() {
  RECT own = {};
  GetWindowRect(Window(), &own);
  minimumTrackingWidth_ = own.right - own.left;
  minimumWidthDpi_ = Dpi();
}

void MainDialog::OnExitSizeMove() {
  RECT own = {};
  GetWindowRect(Window(), &own);
  placement_.left = own.left;
  placement_.top = own.top;
  placement_.width = own.right - own.left;
  placement_.height = own.bottom - own.top;
  placement_.dpi = Dpi();
}

void MainDialog::OnDestroy() {
  app_.Services().presence.End();
  app_.Settings().WriteInt(schema::kMainSection, schema::kLeft, placement_.left);
  app_.Settings().WriteInt(schema::kMainSection, schema::kTop, placement_.top);
  app_.Settings().WriteInt(schema::kMainSection, schema::kWidth, placement_.width);
  app_.Settings().WriteInt(schema::kMainSection, schema::kHeight, placement_.height);
  // Written only when the file says otherwise: a file without the key already
  // means 96, and one from a run at another scaling must not keep its figure.
  if (app_.Settings().ReadInt(schema::kMainSection, schema::kPlacementDpi, kDesignDpi) !=
      placement_.dpi) {
    app_.Settings().WriteInt(schema::kMainSection, schema::kPlacementDpi, placement_.dpi);
  }
  app_.Settings().WriteString(
      schema::kMainSection, schema::kAlwaysTop,
      IsDlgButtonChecked(Window(), IDC_FRONT_SWITCH) == BST_CHECKED ? "1" : "0");
  const int tab = static_cast<int>(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0));
  app_.Settings().WriteInt(schema::kMainSection, schema::kEndTabPos, tab == kSettings ? 0 : tab);
}

// Both resume notifications may come for one wake; the second finds nothing
// left to make up.
void MainDialog::OnPowerBroadcast(WPARAM event) {
  if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND)
    app_.Timer().CatchUpAfterSleep();
}

void MainDialog::OnEndSession(bool ending) {
  if (!ending)
    return;
  // Windows ends the process soon after this message, without destroying any
  // window, so what a close saves would be lost. Destroying the dialog now takes
  // exactly the close's road: every page and display saves as its window goes,
  // in the same order, and stops its timers and hooks; nothing is left to be
  // written twice.
  DestroyWindow(Window());
}

void MainDialog::OnNotificationIcon(WPARAM wParam, LPARAM lParam) {
  ShellNotificationIcon& icon = app_.Services().notificationIcon;
  switch (icon.ActionOf(wParam, lParam)) {
    case desktop::kIconBringToFront:
      BringToFront();
      break;
    case desktop::kIconOfferMenu:
      OfferNotificationMenu(Window(), icon.MenuPoint(wParam), IDM_NOTIFY_SHOW_WINDOW,
                            IDM_NOTIFY_EXIT);
      break;
    default:
      break;
  }
}

void MainDialog::BringToFront() {
  ShowWindow(Window(), IsIconic(Window()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(Window());
}

// The window moved to a monitor of another scaling (or the scaling changed);
// the system's own re-scaling is off. The template's controls and font are at
// the new dpi already; the rest of the window follows at its present size, and
// its pages, their displays and lists follow after it.
void MainDialog::OnDpiChanged(int, int) {
  RECT client = {};
  GetClientRect(Window(), &client);
  LayOut(client.right, client.bottom);
}

// The least height is measured at the new dpi before the window takes its new
// rectangle: the size query that move sends must already answer it, or a
// window at its least height would keep the old, larger one.
void MainDialog::PlaceAfterDpiChange(const RECT& suggested) {
  MeasureMinimumHeight(measuredTab_);
  Dialog::PlaceAfterDpiChange(suggested);
}
