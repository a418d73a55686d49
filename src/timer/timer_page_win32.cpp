#include "timer/timer_page_win32.h"

#include <commctrl.h>

#include <cstdio>

#include "base/clock_win32.h"
#include "display/display_layout.h"
#include "settings/settings_file_win32.h"
#include "settings/settings_schema.h"
#include "timer/duration_rules.h"
#include "timer/timer_dialog_ids.h"
#include "timer/timer_texts.h"
#include "ui/dpi_win32.h"
#include "ui/messages.h"

namespace {

const char* const kDisplayFont = display::kTimerFontName;
const char* const kMaxDisplayFont = display::kFullScreenFontName;
const char kPickerFormat[] = "HH:mm:ss";
// The picker's text is read with at most this many characters.
const int kPickerTextSize = 256;
// Largest value of the hour, minute and second lists.
const int kLastHour = 23;
const int kLastMinute = 59;

const int kDurationFields[3] = {IDC_TM_HOURS, IDC_TM_MINUTES, IDC_TM_SECONDS};

HINSTANCE ModuleInstance() {
  return GetModuleHandleA(nullptr);
}

int FieldLimit(int id) {
  return id == IDC_TM_HOURS ? kLastHour : kLastMinute;
}

}  // namespace

TimerPage::TimerPage(const SettingsFile& settings, TickSource& ticks, MonotonicClock& runClock,
                     LocalClock& clock, PresetNameAsker& names, BellDevice& bellDevice,
                     MonitorLookup& monitors, MessageBoxes& boxes,
                     desktop::ActivityReport& activity)
    : Page(IDD_TIMER_PAGE),
      settings_(settings),
      ticks_(ticks),
      clock_(clock),
      names_(names),
      monitors_(monitors),
      boxes_(boxes),
      runClock_(runClock),
      activity_(activity),
      reported_(),
      reportedZeros_(0),
      alarmDelayIndex_(0),
      savedHourIndex_(0),
      savedMinuteIndex_(1),
      savedSecondIndex_(0),
      settingFields_(false),
      presetsToWrite_(false),
      presetName_(),
      display_(settings, runClock),
      maxDisplay_(settings, runClock),
      bellPlayer_(bellDevice),
      ports_(this),
      maxPort_(this),
      engine_(MakePorts()) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
}

TimerPage::~TimerPage() {
  DisarmTicks();
  presets_.clear();
}

timer::TimerPorts TimerPage::MakePorts() {
  timer::TimerPorts ports = {ports_, ports_, ports_, maxPort_, ports_, clock_, ports_, runClock_};
  return ports;
}

HWND TimerPage::StartButton() const {
  return Item(IDC_TM_START);
}

void TimerPage::UseBellFile(const char* path) {
  engine_.SetBellFile(path);
}

void TimerPage::ReadBellFile() {
  char path[timer::kBellPathSize] = {};
  settings_.ReadString(schema::kSettingSection, schema::kBellFile, "", path, sizeof path);
  engine_.SetBellFile(path);
}

void TimerPage::CatchUpAfterSleep() {
  engine_.OnTick();
  ReportActivity();
}

// Called after every command and message the page handles: the progress
// changes at most once a second while a run counts, and at each state change.
void TimerPage::ReportActivity() {
  const desktop::ProgressView now = engine_.Progress();
  if (now != reported_) {
    reported_ = now;
    activity_.CountdownChanged(now);
  }
  if (engine_.Zeros() != reportedZeros_) {
    reportedZeros_ = engine_.Zeros();
    activity_.CountdownReachedZero(maxDisplay_.IsVisible() != FALSE);
  }
}

void TimerPage::BeforeCreate() {
  ReadBellFile();
}

// The display shows the time of the engine, which outlives the dialog: a page
// opened again shows where the last run stood.
void TimerPage::AfterCreate() {
  char text[timer::kTimeTextSize];
  timer::FormatSeconds(engine_.Remaining(), text, sizeof text);
  display_.ShowText(text);
}

void TimerPage::OnInitPage() {
  CreateDisplay();
  LimitDurationFields();
  FillLists();
  ReadStoredSettings();
  PrepareBellPicker();
  LoadPresets();
  if (!presets_.empty())
    Enable(IDC_TM_PRESET_DELETE, true);
  EnableForMode();
}

void TimerPage::CreateDisplay() {
  const DisplayPlace place = PageDisplayPlace(Dpi());
  display_.Create(ModuleInstance(), Window(), Window(), WS_CHILD | WS_BORDER, place.x, place.y,
                  place.width, place.height, kDisplayFont);
  display_.Show(SW_SHOW);
}

void TimerPage::OnDpiChanged(int /*oldDpi*/) {
  const DisplayPlace place = PageDisplayPlace(Dpi());
  SetWindowPos(display_.Window(), nullptr, place.x, place.y, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  display_.SetDpi(Dpi());
}

// Every stored number passes its Mend… rule first: a damaged or hand-edited
// Data.ini must not put a list at a position it does not have.
void TimerPage::ReadStoredSettings() {
  // A mode number this program does not know would count below zero for ever.
  engine_.SetMode(settings_.ReadInt(schema::kTimerSection, schema::kTimerMode, timer::kNormal));
  Select(IDC_TM_MODE, engine_.Mode());
  // The delay feeds clock arithmetic and preset records, which need a real position.
  alarmDelayIndex_ =
      timer::MendAlarmDelay(settings_.ReadInt(schema::kTimerSection, schema::kTimerAlarmDelay, 0));
  Select(IDC_TM_ALARM_DELAY, alarmDelayIndex_);

  const int time = timer::MendTimerSeconds(
      settings_.ReadInt(schema::kTimerSection, schema::kTimerTime, timer::kDefaultTimerSeconds));
  savedHourIndex_ = time / 3600;
  savedMinuteIndex_ = time % 3600 / 60;
  savedSecondIndex_ = time % 60;
  RestoreDuration();
  if (engine_.Mode() == timer::kAlarm)
    SetAlarmDefault();

  engine_.SetBellOn(settings_.ReadInt(schema::kTimerSection, schema::kTimerRingBell, 1) != 0);
  CheckDlgButton(Window(), IDC_TM_BELL_SWITCH, engine_.BellOn() ? BST_CHECKED : BST_UNCHECKED);
  engine_.SetMaxDisplayOn(settings_.ReadInt(schema::kTimerSection, schema::kTimerMaxDisp, 0) == 1);
  CheckDlgButton(Window(), IDC_TM_MAX_DISPLAY,
                 engine_.MaxDisplayOn() ? BST_CHECKED : BST_UNCHECKED);

  engine_.SetRepeatSetting(
      timer::MendRepeatPosition(settings_.ReadInt(schema::kTimerSection, schema::kTimerRepeat, 0)));
  Select(IDC_TM_REPEAT, engine_.RepeatSetting());
}

// The picker offers a time of day, but is used for a time left on the timer:
// today's date with 00:00:05, shown without the date.
void TimerPage::PrepareBellPicker() {
  const CalendarTime now = clock_.Now();
  SYSTEMTIME picked = {};
  picked.wYear = now.year;
  picked.wMonth = now.month;
  picked.wDayOfWeek = now.dayOfWeek;
  picked.wDay = now.day;
  picked.wSecond = 5;
  SendMessageA(Item(IDC_TM_BELL_PICKER), DTM_SETSYSTEMTIME, GDT_VALID,
               reinterpret_cast<LPARAM>(&picked));
  SendMessageA(Item(IDC_TM_BELL_PICKER), DTM_SETFORMATA, 0,
               reinterpret_cast<LPARAM>(kPickerFormat));
}

void TimerPage::LimitDurationFields() {
  for (int id : kDurationFields) {
    HWND edit = FindWindowExA(Item(id), nullptr, "Edit", nullptr);
    if (edit != nullptr) {
      SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_NUMBER);
    }
    SendMessageA(Item(id), CB_LIMITTEXT, 2, 0);
  }
}

void TimerPage::FillLists() {
  for (int mode = 0; mode < timer::kModeCount; ++mode) {
    SendMessageA(Item(IDC_TM_MODE), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(timer::ModeText(mode).name));
  }
  char text[32];
  for (int position = 0; position < timer::kAlarmDelayPositions; ++position) {
    timer::FormatAlarmDelayEntry(position, text, sizeof text);
    SendMessageA(Item(IDC_TM_ALARM_DELAY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  for (int id : kDurationFields) {
    for (int value = 0; value <= FieldLimit(id); ++value) {
      snprintf(text, sizeof text, "%02d", value);
      SendMessageA(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
  }
  HWND repeat = Item(IDC_TM_REPEAT);
  SendMessageA(repeat, CB_INITSTORAGE, timer::kRepeatListSize, timer::kRepeatListSize * 4);
  SendMessageA(repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(timer::kEndlessRepeat));
  for (int count = 1; count < timer::kRepeatListSize; ++count) {
    snprintf(text, sizeof text, "%d", count);
    SendMessageA(repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

bool TimerPage::OnCommand(int id, int code, HWND /*control*/) {
  switch (id) {
    case IDC_TM_HOURS:
    case IDC_TM_MINUTES:
    case IDC_TM_SECONDS:
      OnDurationField(id, code);
      break;
    case IDC_TM_MODE:
      if (code == CBN_SELCHANGE)
        OnModeChosen();
      break;
    case IDC_TM_REPEAT:
      if (code == CBN_SELCHANGE)
        engine_.SetRepeatSetting(Selection(IDC_TM_REPEAT));
      break;
    case IDC_TM_ALARM_DELAY:
      if (code == CBN_SELCHANGE) {
        alarmDelayIndex_ = timer::MendAlarmDelay(Selection(IDC_TM_ALARM_DELAY));
        SetAlarmDefault();
      }
      break;
    case IDC_TM_START:
      OnStartButton();
      break;
    case IDC_TM_STOP:
      engine_.Stop();
      break;
    case IDC_TM_BELL_SWITCH:
      engine_.SwitchBell(Checked(IDC_TM_BELL_SWITCH));
      break;
    case IDC_TM_MAX_DISPLAY:
      engine_.SwitchMaxDisplay(Checked(IDC_TM_MAX_DISPLAY));
      break;
    case IDC_TM_BELL_ADD:
      AddBellTime();
      break;
    case IDC_TM_BELL_REMOVE:
      RemoveBellTime();
      break;
    case IDC_TM_PRESETS:
      if (code == CBN_SELCHANGE)
        ApplyPreset();
      break;
    case IDC_TM_PRESET_ADD:
      AddPreset();
      break;
    case IDC_TM_PRESET_DELETE:
      DeletePreset();
      break;
    default:
      break;
  }
  ReportActivity();
  return true;
}

bool TimerPage::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/) {
  switch (message) {
    case WM_MIPO_TIMER_TICK:
      engine_.OnTick();
      ReportActivity();
      return true;
    case WM_MIPO_MAXDISPLAY_KEY:
    case WM_MIPO_MAXDISPLAY_CLOSE:
      engine_.HideMaxDisplay();
      return true;
    case WM_MIPO_MAXDISPLAY_START:
      // Handled as the page's own start button, after this message returns.
      PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDC_TM_START, 0), 0);
      return true;
    default:
      return false;
  }
}

void TimerPage::OnStartButton() {
  const timer::DurationVerdict verdict = engine_.PressStart();
  const char* message = timer::DurationMessage(verdict);
  if (message != nullptr)
    boxes_.Show(Window(), message, "", MB_OK);
}

// A duration picked from a list or typed into a field is remembered at once
// (except in the alarm mode, where the fields hold a clock time), so that it is
// what comes back after the alarm mode and what is saved.
void TimerPage::OnDurationField(int id, int code) {
  if (settingFields_ || engine_.Mode() == timer::kAlarm)
    return;
  int value = -1;
  if (code == CBN_SELCHANGE) {
    value = Selection(id);
  } else if (code == CBN_EDITCHANGE) {
    char text[timer::kFieldMaxChars + 1] = {};
    GetDlgItemTextA(Window(), id, text, sizeof text);
    value = timer::FieldValue(text);
  } else {
    return;
  }
  if (value < 0 || value > FieldLimit(id))
    return;
  if (id == IDC_TM_HOURS)
    savedHourIndex_ = value;
  if (id == IDC_TM_MINUTES)
    savedMinuteIndex_ = value;
  if (id == IDC_TM_SECONDS)
    savedSecondIndex_ = value;
}

void TimerPage::RememberDuration() {
  int* saved[3] = {&savedHourIndex_, &savedMinuteIndex_, &savedSecondIndex_};
  for (int i = 0; i < 3; ++i) {
    char text[timer::kFieldMaxChars + 1] = {};
    GetDlgItemTextA(Window(), kDurationFields[i], text, sizeof text);
    const int value = timer::FieldValue(text);
    if (value >= 0 && value <= FieldLimit(kDurationFields[i]))
      *saved[i] = value;
  }
}

void TimerPage::RestoreDuration() {
  Select(IDC_TM_HOURS, savedHourIndex_);
  Select(IDC_TM_MINUTES, savedMinuteIndex_);
  Select(IDC_TM_SECONDS, savedSecondIndex_);
}

void TimerPage::SetAlarmDefault() {
  const timer::AlarmDefault alarm =
      timer::AlarmDefaultFor(timer::ClockTimeOf(clock_.Now()), alarmDelayIndex_);
  Select(IDC_TM_HOURS, alarm.hour);
  Select(IDC_TM_MINUTES, alarm.minute);
  Select(IDC_TM_SECONDS, 0);
}

void TimerPage::OnModeChosen() {
  const int chosen = Selection(IDC_TM_MODE);
  if (chosen < 0)
    return;
  const timer::TimerMode mode = timer::ModeFromNumber(chosen);
  engine_.ResetRemaining();
  if (mode == timer::kAlarm) {
    if (engine_.Mode() != timer::kAlarm)
      RememberDuration();
    SetAlarmDefault();
  } else {
    RestoreDuration();
  }
  engine_.SetMode(mode);
  EnableForMode();
  ShowModeDescription();
}

void TimerPage::ShowModeDescription() {
  SetStatusText(timer::ModeText(engine_.Mode()).description);
}

int TimerPage::BellTimeCount() const {
  return static_cast<int>(engine_.BellTimes().size());
}

// The engine keeps the times; the list shows them.
void TimerPage::ShowBellTimes() {
  HWND list = Item(IDC_TM_BELL_TIMES);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& time : engine_.BellTimes()) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(time.c_str()));
  }
}

void TimerPage::AddBellTime() {
  if (BellTimeCount() >= kPresetMaxBellTimes)
    return;
  char text[kPickerTextSize] = {};
  GetWindowTextA(Item(IDC_TM_BELL_PICKER), text, sizeof text);
  if (text[0] == '\0')
    return;
  const int before = BellTimeCount();
  const int index = engine_.AddBellTime(text);
  if (index < 0)
    return;
  HWND list = Item(IDC_TM_BELL_TIMES);
  if (BellTimeCount() > before)
    SendMessageA(list, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text));
  SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  Enable(IDC_TM_BELL_REMOVE, true);
  if (BellTimeCount() >= kPresetMaxBellTimes)
    Enable(IDC_TM_BELL_ADD, false);
}

void TimerPage::RemoveBellTime() {
  HWND list = Item(IDC_TM_BELL_TIMES);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR)
    return;
  engine_.RemoveBellTime(static_cast<int>(selected));
  SendMessageA(list, LB_DELETESTRING, selected, 0);
  if (BellTimeCount() == 0) {
    Enable(IDC_TM_BELL_REMOVE, false);
  } else {
    SendMessageA(list, LB_SETCURSEL, selected > 0 ? selected - 1 : 0, 0);
  }
  EnableAddBellTime();
}

// "▼" is usable only while the list has room, so it never holds more than 100.
void TimerPage::EnableAddBellTime() {
  Enable(IDC_TM_BELL_ADD, BellTimeCount() < kPresetMaxBellTimes);
}

void TimerPage::EnableForMode() {
  const timer::TimerMode mode = engine_.Mode();
  Enable(IDC_TM_REPEAT, mode == timer::kRepeat);
  const bool bells = mode == timer::kBells;
  Enable(IDC_TM_BELL_PICKER, bells);
  Enable(IDC_TM_BELL_TIMES, bells);
  if (bells) {
    EnableAddBellTime();
  } else {
    Enable(IDC_TM_BELL_ADD, false);
  }
  Enable(IDC_TM_BELL_REMOVE, bells && BellTimeCount() > 0);
  Enable(IDC_TM_ALARM_DELAY, mode == timer::kAlarm);
}

void TimerPage::EnableForRun(bool running) {
  static const int kIdleOnly[] = {IDC_TM_HOURS,        IDC_TM_MINUTES,    IDC_TM_SECONDS,
                                  IDC_TM_MODE,         IDC_TM_REPEAT,     IDC_TM_ALARM_DELAY,
                                  IDC_TM_BELL_PICKER,  IDC_TM_BELL_TIMES, IDC_TM_BELL_ADD,
                                  IDC_TM_BELL_REMOVE,  IDC_TM_PRESET_ADD, IDC_TM_PRESETS,
                                  IDC_TM_PRESET_DELETE};
  if (running) {
    for (int id : kIdleOnly) Enable(id, false);
    Enable(IDC_TM_STOP, true);
    return;
  }
  for (int id : kDurationFields) Enable(id, true);
  Enable(IDC_TM_MODE, true);
  Enable(IDC_TM_STOP, false);
  switch (engine_.Mode()) {
    case timer::kRepeat:
      Enable(IDC_TM_REPEAT, true);
      break;
    case timer::kBells:
      Enable(IDC_TM_BELL_PICKER, true);
      Enable(IDC_TM_BELL_TIMES, true);
      EnableAddBellTime();
      if (BellTimeCount() > 0)
        Enable(IDC_TM_BELL_REMOVE, true);
      break;
    case timer::kAlarm:
      Enable(IDC_TM_ALARM_DELAY, true);
      break;
    default:
      break;
  }
  Enable(IDC_TM_PRESET_ADD, true);
  Enable(IDC_TM_PRESETS, true);
  if (SendMessageA(Item(IDC_TM_PRESETS), CB_GETCOUNT, 0, 0) > 0) {
    Enable(IDC_TM_PRESET_DELETE, true);
  }
}

void TimerPage::OnDestroy() {
  SaveTimerSettings();
}

void TimerPage::SaveTimerSettings() {
  engine_.StopTicking();
  settings_.WriteInt(schema::kTimerSection, schema::kTimerTime,
                     savedHourIndex_ * 3600 + savedMinuteIndex_ * 60 + savedSecondIndex_);
  settings_.WriteInt(schema::kTimerSection, schema::kTimerRingBell, engine_.BellOn() ? 1 : 0);
  settings_.WriteInt(schema::kTimerSection, schema::kTimerMaxDisp, engine_.MaxDisplayOn() ? 1 : 0);
  settings_.WriteInt(schema::kTimerSection, schema::kTimerMode, engine_.Mode());
  settings_.WriteInt(schema::kTimerSection, schema::kTimerRepeat, engine_.RepeatSetting());
  settings_.WriteInt(schema::kTimerSection, schema::kTimerAlarmDelay, alarmDelayIndex_);
  SavePresets();
}

// The dialog is gone; a later Open builds it afresh from Data.ini.
void TimerPage::OnNcDestroy() {
  DisarmTicks();
  presets_.clear();
  // The bell times are not stored: a new window starts with none, as its list.
  engine_.SetBellTimes({});
}

int TimerPage::Selection(int id) const {
  return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
}

void TimerPage::Select(int id, int position) {
  const bool wasSetting = settingFields_;
  settingFields_ = true;
  SendMessageA(Item(id), CB_SETCURSEL, position, 0);
  settingFields_ = wasSetting;
}

bool TimerPage::Checked(int id) const {
  return IsDlgButtonChecked(Window(), id) == BST_CHECKED;
}

bool TimerPage::ArmTicks(uint32_t periodMs) {
  return ticks_.Arm(periodMs);
}

void TimerPage::DisarmTicks() {
  ticks_.Disarm();
}

// The engine's requests.

bool TimerPage::Ports::Arm(uint32_t periodMs) {
  return page_->ArmTicks(periodMs);
}

void TimerPage::Ports::Disarm() {
  page_->DisarmTicks();
  page_->AnnounceTimes();
}

void TimerPage::Ports::Beep() {
  page_->AnnounceTimes();
  page_->bellPlayer_.Beep();
}

// The result of opening is not looked at: a file that cannot be played gives
// no sound and the timer carries on.
void TimerPage::Ports::PlayFile(const char* path) {
  page_->AnnounceTimes();
  Silence();
  if (page_->bellPlayer_.Open(path))
    page_->bellPlayer_.Play(page_->Window());
}

void TimerPage::Ports::Silence() {
  if (page_->bellPlayer_.DeviceId() != 0) {
    page_->bellPlayer_.Stop();
    page_->bellPlayer_.Close();
  }
}

void TimerPage::AnnounceTimes() {
  // A pause, stop, zero or bell: the time at that moment is heard at once.
  display_.AnnounceName();
  maxDisplay_.AnnounceName();
}

void TimerPage::Ports::ShowText(const char* text) {
  page_->display_.ShowText(text);
}

void TimerPage::Ports::SetStatus(const char* text) {
  page_->SetStatusText(text);
}

void TimerPage::Ports::GetFieldTexts(timer::FieldTexts* texts) {
  GetDlgItemTextA(page_->Window(), IDC_TM_HOURS, texts->hours, sizeof texts->hours);
  GetDlgItemTextA(page_->Window(), IDC_TM_MINUTES, texts->minutes, sizeof texts->minutes);
  GetDlgItemTextA(page_->Window(), IDC_TM_SECONDS, texts->seconds, sizeof texts->seconds);
}

void TimerPage::Ports::SetStartCaption(const char* caption) {
  SetDlgItemTextA(page_->Window(), IDC_TM_START, caption);
}

void TimerPage::Ports::EnableForRun(bool running) {
  page_->EnableForRun(running);
}

void TimerPage::Ports::RememberDuration() {
  page_->RememberDuration();
}

void TimerPage::Ports::PostStop() {
  PostMessageA(page_->Window(), WM_COMMAND, MAKEWPARAM(IDC_TM_STOP, 0), 0);
}

// The monitor that holds most of the main window; with one monitor that is
// the whole screen at 0, 0. An existing display moves there too, since the
// window may have been moved since it was made.
void TimerPage::MaxPort::Open() {
  const RECT area = page_->monitors_.AreaOf(GetAncestor(page_->Window(), GA_ROOT));
  const bool existed = page_->maxDisplay_.Window() != nullptr;
  page_->maxDisplay_.Create(ModuleInstance(), page_->Window(), page_->Window(), WS_POPUP, area.left,
                            area.top, area.right - area.left, area.bottom - area.top,
                            kMaxDisplayFont);
  if (!existed)
    return;
  SetWindowPos(page_->maxDisplay_.Window(), nullptr, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The label stands at the right edge, which a monitor of another width moves.
  HWND label = page_->maxDisplay_.LabelWindow();
  RECT place = {};
  if (label != nullptr && GetWindowRect(label, &place)) {
    MapWindowPoints(nullptr, page_->maxDisplay_.Window(), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(label, nullptr, (area.right - area.left) - (place.right - place.left), place.top,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TimerPage::MaxPort::IsVisible() {
  return page_->maxDisplay_.IsVisible() != FALSE;
}

void TimerPage::MaxPort::ShowText(const char* text) {
  page_->maxDisplay_.ShowText(text);
}

void TimerPage::MaxPort::Show(bool visible) {
  page_->maxDisplay_.Show(visible ? SW_SHOW : SW_HIDE);
}

void TimerPage::MaxPort::ShowControls(bool visible) {
  page_->maxDisplay_.ShowControls(visible ? SW_SHOW : SW_HIDE);
}

void TimerPage::MaxPort::ShowLabel() {
  page_->maxDisplay_.ShowLabel(SW_SHOW);
}

void TimerPage::MaxPort::SetLabelText(const char* text) {
  page_->maxDisplay_.SetLabelText(text);
}

void TimerPage::MaxPort::SetLabelColor(unsigned long rgb) {
  page_->maxDisplay_.SetLabelColor(static_cast<COLORREF>(rgb));
}
