// Where every page dialog sits in the main dialog: below the tab header, above
// its status bar.
#pragma once

#include <windows.h>

// Places page inside its parent (the main dialog) by the shared page rule,
// keeping its z-order and activation.
void PlacePageInMainDialog(HWND page, HWND statusBar, int tabHeaderHeight);
