#include "stopwatch/stopwatch_page_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "ui/page_win32.h"
#include "ui/messages.h"
#include "settings/profile_win32.h"
#include "settings_page/settings_rules.h"
#include "stopwatch/stopwatch_dialog_ids.h"

namespace {

const char kWatchSection[] = "Watch";
const char kKeyWatchAccuracy[] = "WatchAccuracy";
const char kKeyWatchMode[] = "WatchMode";
const char kKeyHeaderNumber[] = "HeaderNumber";
const int kMissingColumnFlag = 2;

const char kShowTrace[] = "Showにきた\r\n";
const char kCheckHookTrace[] = "CheckHookにきた\r\n";

const char kMenuExportCsv[] = "CSVファイルに保存";
const char kMenuCopyClipboard[] = "クリップボードにコピー";

// Where the display sits in the strip above the controls, in pixels.
const int kDisplayX = 1;
const int kDisplayY = 3;
const int kDisplayWidth = 232;
const int kDisplayHeight = 30;
const char kDisplayFontName[] = "font1";

const DWORD kListExtendedStyle =
    LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;
const COLORREF kShadedRowColor = 0x0080FFFF;  // light yellow
const int kListBottomGap = 5;                 // pixels between the list and the status bar

// Columns the header menu switches, in menu order.
const int kMenuColumns[] = {kColumnStartTime, kColumnMeasuredTime, kColumnSinceStart,
                            kColumnCumulative, kColumnAverage};

void HeaderNumberKey(int column, char* out, std::size_t outSize) {
  std::snprintf(out, outSize, "%s%d", kKeyHeaderNumber, column);
}

}  // namespace

StopwatchPage::StopwatchPage()
    : statusBar_(nullptr),
      tabHeaderHeight_(0),
      pageWindow_(nullptr),
      multimediaTicks_(),
      ticks_(&multimediaTicks_),
      clock_(nullptr),
      counterClock_(),
      monotonic_(nullptr),
      listView_(),
      display_(),
      mouseHook_(kMouseHookLibrary),
      keyHook_(kKeyHookLibrary),
      engine_(*this, *this, *this, *this, *this) {
  EnsureSettingsPath();
  ChooseCountClock();
}

StopwatchPage::~StopwatchPage() {
  // A page window that outlives the object would reach it through its user
  // data: destroy it now, which also saves the settings.
  if (pageWindow_ != nullptr && IsWindow(pageWindow_))
    DestroyWindow(pageWindow_);
  engine_.DisarmTimer();
  Detach();
}

int StopwatchPage::Open(HWND parent, HWND statusBar, int tabHeaderHeight) {
  if (pageWindow_ != nullptr) {
    Show(SW_SHOW);
    return 0;
  }
  statusBar_ = statusBar;
  tabHeaderHeight_ = tabHeaderHeight;
  CreatePageDialog(parent, IDD_STOPWATCH_PAGE, DialogProc, this);
  Show(SW_SHOW);
  engine_.UpdateStatusText();
  engine_.ShowRunningTime();
  return 0;
}

void StopwatchPage::Show(int command) {
  OutputDebugStringA(kShowTrace);
  if (command == SW_SHOW)
    CheckHook();
  if (statusBar_ != nullptr)
    ShowWindow(statusBar_, command);
  if (pageWindow_ != nullptr)
    ShowWindow(pageWindow_, command);
}

void StopwatchPage::Resize(int width, int height) {
  if (pageWindow_ == nullptr)
    return;
  SetWindowPos(pageWindow_, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND StopwatchPage::StartButton() const {
  return Item(IDC_SW_START);
}

void StopwatchPage::SetTickSource(PeriodicTickSource* source) {
  if (engine_.IsRunning())
    return;
  ticks_ = source != nullptr ? source : &multimediaTicks_;
  ChooseCountClock();
}

void StopwatchPage::SetMonotonicClock(MonotonicClock* clock) {
  if (engine_.IsRunning())
    return;
  monotonic_ = clock;
  ChooseCountClock();
}

// Real ticks arrive late, in bursts or not at all when the machine is busy, so a
// run on them is counted against the performance counter. Ticks handed in by a
// replaced source are the time itself.
void StopwatchPage::ChooseCountClock() {
  if (monotonic_ != nullptr)
    engine_.UseMonotonicClock(monotonic_);
  else if (ticks_ == &multimediaTicks_)
    engine_.UseMonotonicClock(&counterClock_);
  else
    engine_.UseMonotonicClock(nullptr);
}

void StopwatchPage::SetClock(LocalClock* clock) {
  clock_ = clock;
}

HWND StopwatchPage::Item(int id) const {
  return pageWindow_ != nullptr ? GetDlgItem(pageWindow_, id) : nullptr;
}

INT_PTR CALLBACK StopwatchPage::DialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      reinterpret_cast<StopwatchPage*>(lParam)->InitPage(window);
      return FALSE;
    }
    StopwatchPage* page =
        reinterpret_cast<StopwatchPage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (page == nullptr)
      return FALSE;
    return page->Dispatch(window, message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR StopwatchPage::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      SaveWatchSettings();
      return FALSE;
    case WM_NCDESTROY:
      Detach();
      return FALSE;
    case WM_SIZE:
      LayoutList(lParam);
      return FALSE;
    case WM_NOTIFY:
      return OnNotify(window, reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
      OnContextMenu(window, reinterpret_cast<HWND>(wParam), lParam);
      return FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return FALSE;
    case WM_MIPO_STOPWATCH_TICK:
      engine_.OnTick();
      return FALSE;
    // The hook libraries' reports are acted on only after they have been
    // handled, so the libraries never wait for the watch.
    case WM_MIPO_KEY_HOOK:
      PostMessageA(window, WM_MIPO_KEY_TRIGGER, wParam, lParam);
      return FALSE;
    case WM_MIPO_MOUSE_HOOK:
      PostMessageA(window, WM_MIPO_MOUSE_TRIGGER, wParam, lParam);
      return FALSE;
    case WM_MIPO_KEY_TRIGGER:
      OnKeyTrigger(window, wParam, lParam);
      return FALSE;
    case WM_MIPO_MOUSE_TRIGGER:
      OnMouseTrigger(window, wParam);
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR StopwatchPage::OnNotify(HWND window, const NMHDR* header) {
  LRESULT result = 0;
  HWND list = listView_.Window();
  if (header != nullptr && list != nullptr) {
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == list) {
      result = ShadeRows(reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header)));
      if (result == CDRF_DODEFAULT)
        return FALSE;
    } else if (header->code == static_cast<UINT>(NM_RCLICK) &&
               header->hwndFrom ==
                   reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0))) {
      ShowHeaderMenu(window);
      result = TRUE;
    }
  }
  // Every other notification is answered with 0, never with a result left over
  // from an earlier one.
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

void StopwatchPage::OnCommand(int id, int code) {
  switch (id) {
    case IDC_SW_START:
      engine_.PressStart();
      return;
    case IDC_SW_STOP:
      engine_.PressStop();
      return;
    case IDC_SW_CLEAR:
      engine_.Clear();
      return;
    case IDC_SW_ACCURACY:
      if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
        if (index >= 0)
          engine_.ChangeAccuracy(index);
      }
      return;
    case IDC_SW_MODE:
      engine_.FlipMode();
      return;
    case IDM_SW_EXPORT_CSV:
      if (engine_.CanExport(listView_.CountRows()))
        OnExportCsv();
      return;
    case IDM_SW_COPY_CLIPBOARD:
      if (engine_.CanExport(listView_.CountRows()))
        OnCopyToClipboard();
      return;
    default:
      if (LapColumnForCommand(id) >= 0)
        ToggleColumn(LapColumnForCommand(id));
      return;
  }
}

void StopwatchPage::InitPage(HWND window) {
  pageWindow_ = window;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  display_.Create(instance, window, window, WS_CHILD | WS_BORDER, kDisplayX, kDisplayY,
                  kDisplayWidth, kDisplayHeight, kDisplayFontName);
  display_.Show(SW_SHOW);

  listView_.Attach(GetDlgItem(window, IDC_SW_LAP_LIST));
  SendMessageA(listView_.Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, kListExtendedStyle,
               kListExtendedStyle);

  PlacePageInMainDialog(window, statusBar_, tabHeaderHeight_);

  HWND accuracyList = GetDlgItem(window, IDC_SW_ACCURACY);
  for (int index = 0; index < kAccuracyCount; ++index) {
    SendMessageA(accuracyList, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(AccuracyAt(index).entryText));
  }
  const int stored = ProfileReadInt(kWatchSection, kKeyWatchAccuracy, 0);
  SendMessageA(accuracyList, CB_SETCURSEL, static_cast<WPARAM>(MendAccuracyIndex(stored)), 0);
  ApplyAccuracy();

  engine_.SetMode(ProfileReadInt(kWatchSection, kKeyWatchMode, kLapMode));
  InitColumns();
}

void StopwatchPage::InitColumns() {
  int flags[kLapColumnCount];
  for (int column = 0; column < kLapColumnCount; ++column) {
    char key[32];
    HeaderNumberKey(column, key, sizeof key);
    flags[column] = ProfileReadInt(kWatchSection, key, kMissingColumnFlag);
  }
  MendColumnFlags(flags);
  engine_.SetColumnFlags(flags);
  int position = 0;
  for (int column = 0; column < kLapColumnCount; ++column) {
    if (flags[column] != 1)
      continue;
    const LapColumn* info = LapColumnAt(column);
    listView_.InsertColumn(position++, info->header, info->initialWidth, LVCFMT_LEFT);
  }
}

int StopwatchPage::ApplyAccuracy() {
  const int index = static_cast<int>(SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
  if (index >= 0)
    engine_.SetAccuracy(index);
  return index;
}

void StopwatchPage::CheckHook() {
  OutputDebugStringA(kCheckHookTrace);
  const int startWay = ProfileReadInt(kSettingSection, kKeyStartWay, 0);
  const int timeWay = ProfileReadInt(kSettingSection, kKeyTimeWay, 0);
  const int endWay = ProfileReadInt(kSettingSection, kKeyEndWay, 0);
  ApplyHookNeeds(engine_.SetTriggerMethods(startWay, timeWay, endWay));
}

void StopwatchPage::LayoutList(LPARAM sizeParameter) {
  HWND list = listView_.Window();
  if (list == nullptr || pageWindow_ == nullptr)
    return;
  RECT listRect = {};
  GetWindowRect(list, &listRect);
  MapWindowPoints(nullptr, pageWindow_, reinterpret_cast<POINT*>(&listRect), 2);
  RECT barRect = {};
  if (statusBar_ != nullptr) {
    GetWindowRect(statusBar_, &barRect);
    MapWindowPoints(nullptr, pageWindow_, reinterpret_cast<POINT*>(&barRect), 2);
  } else {
    GetClientRect(pageWindow_, &barRect);
    barRect.top = barRect.bottom + kListBottomGap;
  }
  int height = barRect.top - listRect.top - kListBottomGap;
  if (height < 0)
    height = 0;
  SetWindowPos(list, nullptr, 0, 0, LOWORD(sizeParameter), height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HMENU StopwatchPage::BuildHeaderMenu() const {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr)
    return nullptr;
  for (int column : kMenuColumns) {
    const LapColumn* info = LapColumnAt(column);
    const UINT checked = engine_.ColumnFlag(column) == 1 ? MF_CHECKED : MF_UNCHECKED;
    AppendMenuA(menu, MF_STRING | checked, info->menuCommand, info->header);
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  const UINT exportState = engine_.CanExport(listView_.CountRows()) ? MF_ENABLED : MF_GRAYED;
  AppendMenuA(menu, MF_STRING | exportState, IDM_SW_EXPORT_CSV, kMenuExportCsv);
  AppendMenuA(menu, MF_STRING | exportState, IDM_SW_COPY_CLIPBOARD, kMenuCopyClipboard);
  return menu;
}

void StopwatchPage::ShowHeaderMenu(HWND window) {
  HMENU menu = BuildHeaderMenu();
  if (menu == nullptr)
    return;
  POINT cursor = {};
  GetCursorPos(&cursor);
  TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
  DestroyMenu(menu);
}

void StopwatchPage::OnContextMenu(HWND window, HWND source, LPARAM point) {
  // Some list views (Wine's among them) keep the header's right click to
  // themselves and only ask for a context menu; a click on the header still
  // offers the menu. Where the notification did arrive it was answered as
  // handled, so no context menu request follows and the menu opens once.
  HWND list = listView_.Window();
  if (list == nullptr || (source != list && GetParent(source) != list))
    return;
  HWND headerControl = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  if (point == -1)
    GetCursorPos(&at);
  RECT headerRect = {};
  if (headerControl == nullptr || !GetWindowRect(headerControl, &headerRect) ||
      !PtInRect(&headerRect, at))
    return;  // a right click on the rows offers nothing
  ShowHeaderMenu(window);
}

void StopwatchPage::ToggleColumn(int column) {
  const ColumnSwitch change = engine_.ToggleColumn(column);
  if (!change.done)
    return;
  if (change.shown) {
    listView_.InsertColumn(change.position, LapColumnAt(column)->header, change.width, LVCFMT_LEFT);
  } else if (listView_.Window() != nullptr) {
    SendMessageA(listView_.Window(), LVM_DELETECOLUMN, static_cast<WPARAM>(change.position), 0);
  }
}

LRESULT StopwatchPage::ShadeRows(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYITEMDRAW;  // so that each cell is reported
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      LPARAM shade = 0;
      if (listView_.GetRowParam(static_cast<int>(draw->nmcd.dwItemSpec), &shade) == 1 &&
          shade != 0) {
        draw->clrTextBk = kShadedRowColor;
        return CDRF_NOTIFYITEMDRAW;
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void StopwatchPage::SaveWatchSettings() {
  engine_.DisarmTimer();
  for (int column = 0; column < kLapColumnCount; ++column) {
    char key[32];
    HeaderNumberKey(column, key, sizeof key);
    ProfileWriteInt(kWatchSection, key, engine_.ColumnFlag(column));
  }
  int accuracy = static_cast<int>(SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
  if (accuracy < 0)
    accuracy = engine_.AccuracyIndex();
  ProfileWriteInt(kWatchSection, kKeyWatchAccuracy, accuracy);
  ProfileWriteInt(kWatchSection, kKeyWatchMode, engine_.Mode());
}

void StopwatchPage::Detach() {
  if (pageWindow_ != nullptr && IsWindow(pageWindow_)) {
    SetWindowLongPtrA(pageWindow_, GWLP_USERDATA, 0);
  }
  pageWindow_ = nullptr;
  // The list died with the dialog; its wrapper must not destroy a stranger
  // that later gets the same handle.
  listView_.Attach(nullptr);
}

// --- what the engine asks of the page -------------------------------------

bool StopwatchPage::Arm(uint32_t periodMs) {
  if (pageWindow_ == nullptr)
    return false;
  return ticks_->Start(pageWindow_, WM_MIPO_STOPWATCH_TICK, periodMs);
}

void StopwatchPage::Disarm() {
  ticks_->Stop();
  if (pageWindow_ == nullptr)
    return;
  // Ticks posted before the timer died are dropped, not counted later.
  MSG message;
  while (PeekMessageA(&message, pageWindow_, WM_MIPO_STOPWATCH_TICK, WM_MIPO_STOPWATCH_TICK,
                      PM_REMOVE)) {
  }
}

CalendarTime StopwatchPage::Now() {
  if (clock_ != nullptr)
    return clock_->Now();
  static_assert(sizeof(SYSTEMTIME) == sizeof(CalendarTime), "same record");
  SYSTEMTIME local;
  GetLocalTime(&local);
  CalendarTime time;
  std::memcpy(&time, &local, sizeof time);
  return time;
}

int StopwatchPage::CountRows() {
  return listView_.CountRows();
}

int StopwatchPage::InsertRow(int index, const char* firstCell, int parameter) {
  return listView_.InsertRow(index, 0, firstCell, 0, false, parameter, true);
}

void StopwatchPage::SetCell(int row, int position, const char* text) {
  listView_.SetCellText(row, position, text, 0, false, 0, false);
}

void StopwatchPage::EnsureVisible(int row) {
  if (listView_.Window() != nullptr) {
    SendMessageA(listView_.Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }
}

void StopwatchPage::DeleteAllRows() {
  if (listView_.Window() != nullptr)
    SendMessageA(listView_.Window(), LVM_DELETEALLITEMS, 0, 0);
}

void StopwatchPage::SetStartCaption(const char* text) {
  if (pageWindow_ != nullptr)
    SetDlgItemTextA(pageWindow_, IDC_SW_START, text);
}

void StopwatchPage::SetModeCaption(const char* text) {
  if (pageWindow_ != nullptr)
    SetDlgItemTextA(pageWindow_, IDC_SW_MODE, text);
}

void StopwatchPage::EnableStart(bool enable) {
  if (pageWindow_ != nullptr)
    EnableWindow(Item(IDC_SW_START), enable ? TRUE : FALSE);
}

void StopwatchPage::EnableStop(bool enable) {
  if (pageWindow_ != nullptr)
    EnableWindow(Item(IDC_SW_STOP), enable ? TRUE : FALSE);
}

void StopwatchPage::EnableSetup(bool enable) {
  if (pageWindow_ == nullptr)
    return;
  const BOOL state = enable ? TRUE : FALSE;
  EnableWindow(Item(IDC_SW_CLEAR), state);
  EnableWindow(Item(IDC_SW_ACCURACY), state);
  EnableWindow(Item(IDC_SW_MODE), state);
}

void StopwatchPage::SetStatusText(const char* text) {
  if (statusBar_ != nullptr)
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void StopwatchPage::ShowTime(const char* text) {
  display_.ShowText(text);
}
