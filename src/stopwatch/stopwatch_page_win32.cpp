#include "stopwatch/stopwatch_page_win32.h"

#include <commctrl.h>

#include <cstdio>

#include "base/clock_win32.h"
#include "base/mul_div.h"
#include "display/display_layout.h"
#include "settings/settings_file_win32.h"
#include "settings/settings_schema.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "triggers/stored_trigger_methods_win32.h"
#include "ui/dpi_win32.h"
#include "ui/high_contrast_win32.h"
#include "ui/messages.h"

namespace {

// Debugger traces that show when the page is shown and the methods re-read.
const char kShowTrace[] = "Showにきた\r\n";
const char kReadTriggerMethodsTrace[] = "CheckHookにきた\r\n";

const char kMenuExportCsv[] = "CSVファイルに保存";
const char kMenuCopyClipboard[] = "クリップボードにコピー";

const char* const kDisplayFontName = display::kStopwatchFontName;

const DWORD kListExtendedStyle =
    LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;
const COLORREF kShadedRowColor = 0x0080FFFF;  // light yellow
const int kListBottomGap = 5;  // pixels at 96 dpi between the list and the status bar

// Columns the header menu switches, in menu order.
const int kMenuColumns[] = {kColumnStartTime, kColumnMeasuredTime, kColumnSinceStart,
                            kColumnCumulative, kColumnAverage};

void ShownColumnKey(int column, char* out, std::size_t outSize) {
  std::snprintf(out, outSize, "%s%d", schema::kHeaderNumber, column);
}

}  // namespace

StopwatchPage::StopwatchPage(const SettingsFile& settings, TickSource& ticks,
                             MonotonicClock& countClock, LocalClock& clock, FileChooser& chooser,
                             desktop::ActivityReport& activity)
    : Page(IDD_STOPWATCH_PAGE),
      settings_(settings),
      ticks_(ticks),
      chooser_(chooser),
      activity_(activity),
      display_(settings, countClock),
      mouseHook_(kMouseHookLibrary),
      keyHook_(kKeyHookLibrary),
      ports_(this),
      engine_(ports_, countClock, clock, ports_, ports_, ports_) {}

StopwatchPage::~StopwatchPage() {
  engine_.DisarmTimer();
  listView_.Attach(nullptr);
}

HWND StopwatchPage::StartButton() const {
  return Item(IDC_SW_START);
}

void StopwatchPage::AfterCreate() {
  engine_.UpdateStatusText();
  engine_.ShowRunningTime();
}

// Each show takes the trigger methods from Data.ini, so what the settings tab
// saved (or another copy of the program wrote) is in force on the buttons and
// the hooks before the page is seen.
void StopwatchPage::BeforeShow(int command) {
  OutputDebugStringA(kShowTrace);
  if (command == SW_SHOW)
    ReadTriggerMethods();
}

bool StopwatchPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* /*result*/) {
  if (message == ContrastMessage()) {
    highContrast_ = wParam != 0;
    if (listView_.Window() != nullptr)
      InvalidateRect(listView_.Window(), nullptr, TRUE);
    return true;
  }
  switch (message) {
    case WM_MIPO_STOPWATCH_TICK:
      engine_.OnTick();
      return true;
    // The hook libraries' reports are acted on only after they have been
    // handled, so the libraries never wait for the watch.
    case WM_MIPO_KEY_HOOK:
      PostMessageA(Window(), WM_MIPO_KEY_TRIGGER, wParam, lParam);
      return true;
    case WM_MIPO_MOUSE_HOOK:
      PostMessageA(Window(), WM_MIPO_MOUSE_TRIGGER, wParam, lParam);
      return true;
    case WM_MIPO_KEY_TRIGGER:
      OnKeyTrigger(wParam, lParam);
      return true;
    case WM_MIPO_MOUSE_TRIGGER:
      OnMouseTrigger(wParam);
      return true;
    default:
      return false;
  }
}

void StopwatchPage::OnDestroy() {
  SaveWatchSettings();
}

void StopwatchPage::OnNcDestroy() {
  // The list died with the dialog; its wrapper must not destroy a stranger
  // that later gets the same handle.
  listView_.Attach(nullptr);
}

void StopwatchPage::OnSize(UINT /*type*/, int width, int /*height*/) {
  LayOut(width);
}

void StopwatchPage::OnDpiChanged(int newDpi, int oldDpi) {
  // The columns keep the width the user gave them, in the new pixels.
  HWND list = listView_.Window();
  HWND header =
      list != nullptr ? reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)) : nullptr;
  const int columns =
      header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int column = 0; column < columns; ++column) {
    const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
    SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MulDivRounded(width, newDpi, oldDpi));
  }
  RECT client = {};
  GetClientRect(Window(), &client);
  LayOut(client.right - client.left);
}

bool StopwatchPage::OnNotify(NMHDR* header, LRESULT* result) {
  HWND list = listView_.Window();
  if (list != nullptr) {
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == list) {
      *result = ShadeRows(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
      // The list draws as it would without a parent that answers.
      return *result != CDRF_DODEFAULT;
    }
    if (header->code == static_cast<UINT>(NM_RCLICK) &&
        header->hwndFrom == reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0))) {
      ShowHeaderMenu();
      // Handled: the header must not go on to ask for a context menu too.
      *result = TRUE;
      return true;
    }
  }
  // Every other notification is answered with 0, never with a result left over
  // from an earlier one.
  return true;
}

bool StopwatchPage::OnCommand(int id, int code, HWND /*control*/) {
  switch (id) {
    case IDC_SW_START:
      engine_.PressStart();
      return true;
    case IDC_SW_STOP:
      engine_.PressStop();
      return true;
    case IDC_SW_CLEAR:
      engine_.Clear();
      return true;
    case IDC_SW_ACCURACY:
      if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageA(Item(IDC_SW_ACCURACY), CB_GETCURSEL, 0, 0));
        if (index >= 0)
          engine_.ChangeAccuracy(index);
      }
      return true;
    case IDC_SW_MODE:
      engine_.FlipMode();
      return true;
    case IDM_SW_EXPORT_CSV:
      if (engine_.CanExport(listView_.CountRows()))
        OnExportCsv();
      return true;
    case IDM_SW_COPY_CLIPBOARD:
      if (engine_.CanExport(listView_.CountRows()))
        OnCopyToClipboard();
      return true;
    default: {
      const int column = LapColumnForCommand(id);
      if (column < 0)
        return false;
      ToggleColumn(column);
      return true;
    }
  }
}

void StopwatchPage::OnInitPage() {
  HWND window = Window();
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  const DisplayPlace place = PageDisplayPlace(Dpi());
  display_.Create(instance, window, WS_CHILD | WS_BORDER, place.x, place.y, place.width,
                  place.height, kDisplayFontName);
  display_.Show(SW_SHOW);

  listView_.Attach(Item(IDC_SW_LAP_LIST));
  highContrast_ = SystemHighContrast();
  SendMessageA(listView_.Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, kListExtendedStyle,
               kListExtendedStyle);
  // The page was placed before the list was known: fit the list to it now.
  RECT client = {};
  GetClientRect(window, &client);
  LayOut(client.right - client.left);

  HWND accuracyList = Item(IDC_SW_ACCURACY);
  for (int index = 0; index < kAccuracyCount; ++index) {
    SendMessageA(accuracyList, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(AccuracyAt(index).entryText));
  }
  // The engine owns the accuracy (and mends a stored value); the list shows it.
  engine_.SetAccuracy(settings_.ReadInt(schema::kWatchSection, schema::kWatchAccuracy, 0));
  SendMessageA(accuracyList, CB_SETCURSEL, static_cast<WPARAM>(engine_.AccuracyIndex()), 0);

  engine_.SetMode(settings_.ReadInt(schema::kWatchSection, schema::kWatchMode, kLapMode));
  InitColumns();
}

void StopwatchPage::InitColumns() {
  int shown[kLapColumnCount];
  for (int column = 0; column < kLapColumnCount; ++column) {
    char key[32];
    ShownColumnKey(column, key, sizeof key);
    shown[column] = settings_.ReadInt(schema::kWatchSection, key, kShownColumnMissing);
  }
  MendShownColumns(shown);
  engine_.SetShownColumns(shown);
  int position = 0;
  for (int column = 0; column < kLapColumnCount; ++column) {
    if (shown[column] != 1)
      continue;
    const LapColumn* info = LapColumnAt(column);
    listView_.InsertColumn(position++, info->header, ScalePixels(info->initialWidth, Dpi()),
                           LVCFMT_LEFT);
  }
}

void StopwatchPage::ReadTriggerMethods() {
  OutputDebugStringA(kReadTriggerMethodsTrace);
  ApplyHookNeeds(engine_.SetTriggerMethods(::ReadTriggerMethods(settings_)));
}

// The time display in the strip at the top; the list as wide as the page and
// down to just above the status bar.
void StopwatchPage::LayOut(int width) {
  const DisplayPlace place = PageDisplayPlace(Dpi());
  SetWindowPos(display_.Window(), nullptr, place.x, place.y, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  HWND list = listView_.Window();
  HWND page = Window();
  if (list == nullptr || page == nullptr)
    return;
  RECT listRect = {};
  GetWindowRect(list, &listRect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&listRect), 2);
  const int gap = ScalePixels(kListBottomGap, Dpi());
  RECT barRect = {};
  if (StatusBar() != nullptr) {
    GetWindowRect(StatusBar(), &barRect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&barRect), 2);
  } else {
    GetClientRect(page, &barRect);
    barRect.top = barRect.bottom + gap;
  }
  int height = barRect.top - listRect.top - gap;
  if (height < 0)
    height = 0;
  SetWindowPos(list, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HMENU StopwatchPage::BuildHeaderMenu() const {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr)
    return nullptr;
  for (int column : kMenuColumns) {
    const LapColumn* info = LapColumnAt(column);
    const UINT checked = engine_.ColumnShown(column) == 1 ? MF_CHECKED : MF_UNCHECKED;
    AppendMenuA(menu, MF_STRING | checked, info->menuCommand, info->header);
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  const UINT exportState = engine_.CanExport(listView_.CountRows()) ? MF_ENABLED : MF_GRAYED;
  AppendMenuA(menu, MF_STRING | exportState, IDM_SW_EXPORT_CSV, kMenuExportCsv);
  AppendMenuA(menu, MF_STRING | exportState, IDM_SW_COPY_CLIPBOARD, kMenuCopyClipboard);
  return menu;
}

void StopwatchPage::ShowHeaderMenu() {
  POINT cursor = {};
  GetCursorPos(&cursor);
  ShowHeaderMenuAt(cursor);
}

void StopwatchPage::ShowHeaderMenuAt(POINT screenPoint) {
  HMENU menu = BuildHeaderMenu();
  if (menu == nullptr)
    return;
  TrackPopupMenu(menu, 0, screenPoint.x, screenPoint.y, 0, Window(), nullptr);
  DestroyMenu(menu);
}

bool StopwatchPage::OnContextMenu(HWND source, LPARAM point) {
  // Some list views (Wine's among them) keep the header's right click to
  // themselves and only ask for a context menu; a click on the header still
  // offers the menu. Where the notification did arrive it was answered as
  // handled, so no context menu request follows and the menu opens once.
  HWND list = listView_.Window();
  if (list == nullptr || (source != list && GetParent(source) != list))
    return false;
  if (point == -1) {
    // The context-menu key or Shift+F10 on the list: the only menu the list
    // has is its header's, so the keyboard opens that one, at the list's
    // top left where the header is.
    RECT listRect = {};
    GetWindowRect(list, &listRect);
    ShowHeaderMenuAt(POINT{listRect.left, listRect.top});
    return true;
  }
  HWND headerControl = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  RECT headerRect = {};
  if (headerControl == nullptr || !GetWindowRect(headerControl, &headerRect) ||
      !PtInRect(&headerRect, at))
    return false;  // a right click on the rows offers nothing
  ShowHeaderMenu();
  // Left to the default handling as before, which hands the request on to
  // the main dialog; it offers nothing of its own for a page's control.
  return false;
}

void StopwatchPage::ToggleColumn(int column) {
  const ColumnSwitch change = engine_.ToggleColumn(column);
  if (!change.done)
    return;
  if (change.shown) {
    listView_.InsertColumn(change.position, LapColumnAt(column)->header,
                           ScalePixels(change.width, Dpi()), LVCFMT_LEFT);
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
        // Under high contrast the shaded runs stand out in the system's own
        // highlight colours, which the theme keeps readable.
        draw->clrTextBk = highContrast_ ? GetSysColor(COLOR_HIGHLIGHT) : kShadedRowColor;
        if (highContrast_)
          draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
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
    ShownColumnKey(column, key, sizeof key);
    settings_.WriteInt(schema::kWatchSection, key, engine_.ColumnShown(column));
  }
  settings_.WriteInt(schema::kWatchSection, schema::kWatchAccuracy, engine_.AccuracyIndex());
  settings_.WriteInt(schema::kWatchSection, schema::kWatchMode, engine_.Mode());
}

// --- what the engine asks of the page -------------------------------------

bool StopwatchPage::Ports::Arm(uint32_t periodMs) {
  if (page_->Window() == nullptr)
    return false;
  const bool armed = page_->ticks_.Arm(periodMs);
  page_->activity_.StopwatchTicking(armed);
  return armed;
}

void StopwatchPage::Ports::Disarm() {
  page_->display_.AnnounceName();  // the run came to rest: its final time is heard
  page_->activity_.StopwatchTicking(false);
  page_->ticks_.Disarm();
}

int StopwatchPage::Ports::CountRows() {
  return page_->listView_.CountRows();
}

int StopwatchPage::Ports::InsertRow(int index, const char* firstCell, int parameter) {
  return page_->listView_.InsertRow(index, firstCell, parameter);
}

void StopwatchPage::Ports::SetCell(int row, int position, const char* text) {
  page_->listView_.SetCellText(row, position, text);
}

void StopwatchPage::Ports::EnsureVisible(int row) {
  if (page_->listView_.Window() != nullptr) {
    SendMessageA(page_->listView_.Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }
}

void StopwatchPage::Ports::DeleteAllRows() {
  if (page_->listView_.Window() != nullptr)
    SendMessageA(page_->listView_.Window(), LVM_DELETEALLITEMS, 0, 0);
}

void StopwatchPage::Ports::SetStartCaption(const char* text) {
  if (page_->Window() != nullptr)
    SetDlgItemTextA(page_->Window(), IDC_SW_START, text);
}

void StopwatchPage::Ports::SetModeCaption(const char* text) {
  if (page_->Window() != nullptr)
    SetDlgItemTextA(page_->Window(), IDC_SW_MODE, text);
}

void StopwatchPage::Ports::EnableStart(bool enable) {
  if (page_->Window() != nullptr)
    EnableWindow(page_->Item(IDC_SW_START), enable ? TRUE : FALSE);
}

void StopwatchPage::Ports::EnableStop(bool enable) {
  if (page_->Window() != nullptr)
    EnableWindow(page_->Item(IDC_SW_STOP), enable ? TRUE : FALSE);
}

void StopwatchPage::Ports::EnableSetup(bool enable) {
  if (page_->Window() == nullptr)
    return;
  const BOOL state = enable ? TRUE : FALSE;
  EnableWindow(page_->Item(IDC_SW_CLEAR), state);
  EnableWindow(page_->Item(IDC_SW_ACCURACY), state);
  EnableWindow(page_->Item(IDC_SW_MODE), state);
}

void StopwatchPage::Ports::SetStatus(const char* text) {
  page_->SetStatusText(text);
  page_->ReportTime(true);  // every start, lap, pause, resume and stop ends here
}

void StopwatchPage::Ports::ShowText(const char* text) {
  page_->display_.ShowText(text);
  page_->ReportTime(false);
}

// Runs with each redraw (at 1 ms at most every 10 ms), never on a tick alone;
// the report goes out only when the whole seconds or the state change. A
// state is told once its action is done (settled): midway through a start
// the watch runs before its timer is armed.
void StopwatchPage::ReportTime(bool settled) {
  desktop::WatchView view = {desktop::kWatchStopped, false, 0};
  if (engine_.IsRunning()) {
    view.state = engine_.IsPaused() ? desktop::kWatchPaused : desktop::kWatchRunning;
    view.seconds =
        static_cast<long long>(engine_.Ticks() * engine_.CurrentAccuracy().tickPeriodMs / 1000);
  }
  if (!settled && view.state != reportedTime_.state)
    return;
  if (view != reportedTime_) {
    reportedTime_ = view;
    activity_.StopwatchTime(view);
  }
}
