// Private window messages of the program. Numbers are fixed: the hook libraries
// and the display windows post some of them from outside the page that handles them.
#pragma once

#define MIPO_WM_USER 0x0400

#define WM_MIPO_RESTORE_PLACEMENT (MIPO_WM_USER + 50)  // main dialog to itself
#define WM_MIPO_AFTER_SHOW (MIPO_WM_USER + 200)        // main dialog to itself
#define WM_MIPO_KEY_HOOK (MIPO_WM_USER + 100)          // KeyHook.dll to the stopwatch page
#define WM_MIPO_MOUSE_HOOK (MIPO_WM_USER + 110)        // MouseHook.dll to the stopwatch page
#define WM_MIPO_KEY_TRIGGER (MIPO_WM_USER + 400)       // stopwatch page to itself (deferred)
#define WM_MIPO_MOUSE_TRIGGER (MIPO_WM_USER + 401)     // stopwatch page to itself (deferred)
#define WM_MIPO_STOPWATCH_TICK (MIPO_WM_USER + 300)    // stopwatch timer callback
#define WM_MIPO_TIMER_TICK (MIPO_WM_USER + 301)        // countdown timer callback
#define WM_MIPO_MAXDISPLAY_KEY (MIPO_WM_USER + 500)    // Esc/Enter/Space in the maximised display
#define WM_MIPO_MAXDISPLAY_START 6001                  // its start button, used as a message number
#define WM_MIPO_MAXDISPLAY_CLOSE 6002                  // its close button, used as a message number

// The notification area's icon to the main dialog: its events.
#define WM_MIPO_NOTIFICATION_ICON (MIPO_WM_USER + 600)
