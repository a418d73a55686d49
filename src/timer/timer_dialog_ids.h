/* The timer page's dialog template and its controls. Plain defines so that the
   resource compiler can read them too. */
#pragma once

#define IDD_TIMER_PAGE 104

#define IDC_TM_HOURS 1020
#define IDC_TM_MINUTES 1021
#define IDC_TM_SECONDS 1022
#define IDC_TM_PRESETS 1023
#define IDC_TM_START 1027
#define IDC_TM_STOP 1028
#define IDC_TM_PRESET_DELETE 1033
#define IDC_TM_MAX_DISPLAY 1034
#define IDC_TM_MODE 1035
#define IDC_TM_BELL_TIMES 1039
#define IDC_TM_BELL_PICKER 1041
#define IDC_TM_BELL_ADD 1042
#define IDC_TM_BELL_REMOVE 1043
#define IDC_TM_REPEAT 1044
#define IDC_TM_PRESET_ADD 1049
#define IDC_TM_BELL_SWITCH 1058
#define IDC_TM_REPEAT_CAPTION 1061
#define IDC_TM_BELL_TIMES_CAPTION 1062
#define IDC_TM_ALARM_DELAY 1065
