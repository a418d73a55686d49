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

HINSTANCE ModuleInstance() {
  return GetModuleHandleA(nullptr);
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
      boxes_(boxes),
      runClock_(runClock),
      activity_(activity),
      reported_(),
      reportedView_(),
      reportedZeros_(0),
      alarmDelayIndex_(0),
      presetName_(),
      display_(settings, runClock),
      maxPort_(settings, runClock, monitors, *this),
      bellPlayer_(bellDevice),
      durationFields_(*this),
      presets_(settings, *this),
      ports_(this),
      engine_(MakePorts()),
      bellTimes_(*this, engine_) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
}

TimerPage::~TimerPage() {
  DisarmTicks();
  presets_.Clear();
}

timer::TimerPorts TimerPage::MakePorts() {
  timer::TimerPorts ports = {ports_, ports_, ports_, maxPort_, ports_, clock_, ports_, runClock_};
  return ports;
}

HWND TimerPage::StartButton() const {
  return Item(IDC_TM_START);
}

void TimerPage::ReloadBellFile() {
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
  const desktop::WatchView view = engine_.View();
  if (view != reportedView_) {
    reportedView_ = view;
    activity_.CountdownTime(view);
  }
  if (engine_.Zeros() != reportedZeros_) {
    reportedZeros_ = engine_.Zeros();
    desktop::ZeroReport zero = engine_.LastZero();
    zero.fullScreenShown = maxPort_.IsVisible();
    activity_.CountdownReachedZero(zero);
  }
}

void TimerPage::BeforeCreate() {
  ReloadBellFile();
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
  durationFields_.Prepare();
  FillLists();
  ReadStoredSettings();
  bellTimes_.PreparePicker(clock_.Now());
  presets_.Load();
  EnableForMode();
}

void TimerPage::CreateDisplay() {
  const DisplayPlace place = PageDisplayPlace(Dpi());
  display_.Create(ModuleInstance(), Window(), WS_CHILD | WS_BORDER, place.x, place.y, place.width,
                  place.height, kDisplayFont);
  display_.Show(SW_SHOW);
}

void TimerPage::OnDpiChanged(int newDpi, int /*oldDpi*/) {
  const DisplayPlace place = PageDisplayPlace(newDpi);
  SetWindowPos(display_.Window(), nullptr, place.x, place.y, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
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

  durationFields_.SetRemembered(timer::MendTimerSeconds(
      settings_.ReadInt(schema::kTimerSection, schema::kTimerTime, timer::kDefaultTimerSeconds)));
  durationFields_.Restore();
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
      // A duration picked or typed is remembered at once, so that it is what
      // comes back after the alarm mode and what is saved.
      durationFields_.OnFieldChanged(id, code, engine_.Mode() == timer::kAlarm);
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
      bellTimes_.Add();
      break;
    case IDC_TM_BELL_REMOVE:
      bellTimes_.RemoveSelected();
      break;
    case IDC_TM_PRESETS:
      if (code == CBN_SELCHANGE)
        ApplyPreset();
      break;
    case IDC_TM_PRESET_ADD:
      AddPreset();
      break;
    case IDC_TM_PRESET_DELETE:
      if (!engine_.Running())
        presets_.DeleteSelected();
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

void TimerPage::SetAlarmDefault() {
  const timer::AlarmDefault alarm =
      timer::AlarmDefaultFor(timer::ClockTimeOf(clock_.Now()), alarmDelayIndex_);
  durationFields_.ShowClockTime(alarm.hour, alarm.minute);
}

void TimerPage::OnModeChosen() {
  const int chosen = Selection(IDC_TM_MODE);
  if (chosen < 0)
    return;
  const timer::TimerMode mode = timer::ModeFromNumber(chosen);
  engine_.ResetRemaining();
  if (mode == timer::kAlarm) {
    if (engine_.Mode() != timer::kAlarm)
      durationFields_.Remember();
    SetAlarmDefault();
  } else {
    durationFields_.Restore();
  }
  engine_.SetMode(mode);
  EnableForMode();
  ShowModeDescription();
}

void TimerPage::ShowModeDescription() {
  SetStatusText(timer::ModeText(engine_.Mode()).description);
}

void TimerPage::EnableForMode() {
  const timer::TimerMode mode = engine_.Mode();
  Enable(IDC_TM_REPEAT, mode == timer::kRepeat);
  bellTimes_.Enable(mode == timer::kBells);
  Enable(IDC_TM_ALARM_DELAY, mode == timer::kAlarm);
}

// While a run counts only the stop button and the two switches are usable;
// idle, each mode's own controls come back.
void TimerPage::EnableForRun(bool running) {
  const timer::TimerMode mode = engine_.Mode();
  durationFields_.Enable(!running);
  Enable(IDC_TM_MODE, !running);
  if (!running)
    Enable(IDC_TM_STOP, false);
  if (running || mode == timer::kRepeat)
    Enable(IDC_TM_REPEAT, !running);
  if (running || mode == timer::kAlarm)
    Enable(IDC_TM_ALARM_DELAY, !running);
  if (running || mode == timer::kBells)
    bellTimes_.Enable(!running);
  presets_.Enable(!running);
  if (running)
    Enable(IDC_TM_STOP, true);
}

void TimerPage::OnDestroy() {
  SaveTimerSettings();
}

void TimerPage::SaveTimerSettings() {
  engine_.StopTicking();
  settings_.WriteInt(schema::kTimerSection, schema::kTimerTime,
                     durationFields_.RememberedSeconds());
  settings_.WriteInt(schema::kTimerSection, schema::kTimerRingBell, engine_.BellOn() ? 1 : 0);
  settings_.WriteInt(schema::kTimerSection, schema::kTimerMaxDisp, engine_.MaxDisplayOn() ? 1 : 0);
  settings_.WriteInt(schema::kTimerSection, schema::kTimerMode, engine_.Mode());
  settings_.WriteInt(schema::kTimerSection, schema::kTimerRepeat, engine_.RepeatSetting());
  settings_.WriteInt(schema::kTimerSection, schema::kTimerAlarmDelay, alarmDelayIndex_);
  presets_.Save();
}

// The dialog is gone; a later Open builds it afresh from Data.ini.
void TimerPage::OnNcDestroy() {
  DisarmTicks();
  presets_.Clear();
  // The bell times are not stored: a new window starts with none, as its list.
  engine_.SetBellTimes({});
}

int TimerPage::Selection(int id) const {
  return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
}

void TimerPage::Select(int id, int position) {
  SendMessageA(Item(id), CB_SETCURSEL, position, 0);
}

bool TimerPage::Checked(int id) const {
  return IsDlgButtonChecked(Window(), id) == BST_CHECKED;
}

// --- presets ----------------------------------------------------------------

TimerPreset TimerPage::BuildPreset() {
  TimerPreset preset;
  snprintf(preset.name, sizeof preset.name, "%s", presetName_);
  // In the alarm mode the fields hold a clock time: that is what is kept, not
  // the seconds until it.
  char text[timer::kTimeTextSize];
  timer::FormatSeconds(engine_.TypedSeconds(), text, sizeof text);
  snprintf(preset.timeText, sizeof preset.timeText, "%s", text);
  preset.mode = engine_.Mode();
  preset.repeatIndex = engine_.RepeatSetting();
  preset.alarmDelay = alarmDelayIndex_;
  preset.bellOn = engine_.BellOn() ? 1 : 0;
  preset.maxDisplayOn = engine_.MaxDisplayOn() ? 1 : 0;
  if (preset.mode == timer::kBells)
    preset.bellTimes.assign(engine_.BellTimes().rbegin(), engine_.BellTimes().rend());
  return preset;
}

void TimerPage::AddPreset() {
  if (engine_.Running())
    return;
  if (names_.Ask(Window(), presetName_) != IDOK)
    return;
  presetName_[sizeof presetName_ - 1] = '\0';
  presets_.Add(BuildPreset());
}

void TimerPage::ApplyPreset() {
  if (engine_.Running())
    return;
  const TimerPreset* chosen = presets_.Selected();
  if (chosen == nullptr)
    return;
  const TimerPreset& preset = *chosen;
  durationFields_.ShowTimeText(preset.timeText);
  engine_.SetMode(preset.mode);
  Select(IDC_TM_MODE, engine_.Mode());
  engine_.SetRepeatSetting(preset.repeatIndex);
  Select(IDC_TM_REPEAT, preset.repeatIndex);
  alarmDelayIndex_ = timer::MendAlarmDelay(preset.alarmDelay);
  Select(IDC_TM_ALARM_DELAY, alarmDelayIndex_);
  engine_.SetBellOn(preset.bellOn != 0);
  CheckDlgButton(Window(), IDC_TM_BELL_SWITCH, preset.bellOn != 0 ? BST_CHECKED : BST_UNCHECKED);
  engine_.SetMaxDisplayOn(preset.maxDisplayOn != 0);
  CheckDlgButton(Window(), IDC_TM_MAX_DISPLAY,
                 engine_.MaxDisplayOn() ? BST_CHECKED : BST_UNCHECKED);
  if (engine_.Mode() == timer::kBells) {
    engine_.SetBellTimes(preset.bellTimes);
    bellTimes_.Show();
  }
  ShowModeDescription();
  EnableForMode();
}

// --- ticks and announcements, for the engine's requests -----------------------

bool TimerPage::ArmTicks(uint32_t periodMs) {
  return ticks_.Arm(periodMs);
}

void TimerPage::DisarmTicks() {
  ticks_.Disarm();
}

void TimerPage::AnnounceTimes() {
  // A pause, stop, zero or bell: the time at that moment is heard at once.
  display_.AnnounceName();
  maxPort_.AnnounceName();
}
