// Ids of the settings tab's dialog template; plain defines so the resource
// compiler reads the same header as the code.
#pragma once

#define IDD_SETTINGS_PAGE 103

#define IDC_SETTINGS_END_TAB 1014       // check box: start on the tab of the last close
#define IDC_SETTINGS_START_METHOD 1006  // list: trigger method that starts the stopwatch
#define IDC_SETTINGS_LAP_METHOD 1009    // list: trigger method that laps or pauses
#define IDC_SETTINGS_STOP_METHOD 1008   // list: trigger method that stops the stopwatch
#define IDC_SETTINGS_BELL_FILE 1054     // edit: path of the bell sound file
#define IDC_SETTINGS_BROWSE 1055        // button: choose the bell file

// check box: the program's icon in the notification area
#define IDC_SETTINGS_NOTIFICATION_AREA 1066
