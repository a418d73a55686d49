// Ids of the main dialog's template, shared by the code and the resource script.
#pragma once

#define IDD_MAIN_DIALOG 101
#define IDI_APP_ICON 106
#define IDC_MAIN_TAB 1000
#define IDC_FRONT_SWITCH 1060
// Commands of the notification area icon's menu.
#define IDM_NOTIFY_SHOW_WINDOW 5100
#define IDM_NOTIFY_EXIT 5101
