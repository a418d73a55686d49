// Ids of the stopwatch page's dialog template, its controls and the commands of
// the lap list's header menu. Plain defines: the resource compiler reads them too.
#pragma once

#define IDD_STOPWATCH_PAGE 102

#define IDC_SW_START 1001
#define IDC_SW_CLEAR 1002
#define IDC_SW_LAP_LIST 1004
#define IDC_SW_STOP 1011
#define IDC_SW_ACCURACY 1012
#define IDC_SW_MODE 1018

// Header menu: show or hide a column, then the two ways of handing the laps on.
#define IDM_SW_COLUMN_START_TIME 5000
#define IDM_SW_COLUMN_MEASURED_TIME 5001
#define IDM_SW_COLUMN_SINCE_START 5002
#define IDM_SW_COLUMN_CUMULATIVE 5003
#define IDM_SW_COLUMN_AVERAGE 5004
#define IDM_SW_EXPORT_CSV 5005
#define IDM_SW_COPY_CLIPBOARD 5006
