// Every section and key of Data.ini, in one place. These names are stored in
// users' files, so they stay exactly as they are (the odd spellings included);
// numbered keys are the name followed by a decimal index ("HeaderNumber0",
// "TimerReg3").
#pragma once

namespace schema {

// The main window: placement and its scaling, the "in front" switch, the tab
// in front at the end, whether the first-run notices are still to come, and
// the scaling of the displays' font files.
constexpr char kMainSection[] = "MainDlg";
constexpr char kLeft[] = "Left";
constexpr char kTop[] = "Top";
constexpr char kWidth[] = "Width";
constexpr char kHeight[] = "Height";
// The dots per inch Left/Top/Width/Height were taken at (missing: 96), so the
// window keeps its size in points when the screen's scaling changed.
constexpr char kPlacementDpi[] = "PlacementDpi";
constexpr char kAlwaysTop[] = "AlwaysTop";
constexpr char kEndTabPos[] = "EndTabPos";
constexpr char kFirstFlag[] = "FirstFlag";
// The dots per inch the display font files were last written at (missing: 96),
// so a font keeps its size in points when the screen's scaling changes.
constexpr char kFontDpi[] = "FontDpi";

// The settings tab: start at the last tab, the three trigger methods of the
// stopwatch (start, lap, stop), the bell file, and whether the program shows
// its icon in the notification area (missing: it does).
constexpr char kSettingSection[] = "SettingData";
constexpr char kEndTab[] = "EndTab";
constexpr char kStartMethod[] = "StartWay";
constexpr char kLapMethod[] = "TimeWay";
constexpr char kStopMethod[] = "EndWay";
constexpr char kBellFile[] = "BellFile";
constexpr char kNotificationArea[] = "NotifyIcon";

// The stopwatch: accuracy, mode and which lap columns are shown.
constexpr char kWatchSection[] = "Watch";
constexpr char kWatchAccuracy[] = "WatchAccuracy";
constexpr char kWatchMode[] = "WatchMode";
constexpr char kHeaderNumber[] = "HeaderNumber";  // numbered, one per lap column

// The countdown and its presets.
constexpr char kTimerSection[] = "Timer";
constexpr char kTimerTime[] = "TimerTime";
constexpr char kTimerRingBell[] = "TimerRingBell";
constexpr char kTimerMaxDisp[] = "TimerMaxDisp";
constexpr char kTimerMode[] = "TimerMode";
constexpr char kTimerRepeat[] = "TimerRepeat";
constexpr char kTimerAlarmDelay[] = "TimerMezamasiIniTime";
constexpr char kTimerPresetCount[] = "TimerRegNum";
constexpr char kTimerPreset[] = "TimerReg";  // numbered, one per preset

}  // namespace schema
