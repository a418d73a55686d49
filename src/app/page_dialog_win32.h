// What every page does with its child dialog: create it inside the main dialog
// and place it below the tab header, above its status bar.
#pragma once

#include <windows.h>

// Creates the page's child dialog from resourceId, with the main dialog's module
// instance and the page object as creation parameter.
HWND CreatePageDialog(HWND parent, int resourceId, DLGPROC procedure, void* page);

// Places page inside its parent (the main dialog) by the shared page rule,
// keeping its z-order and activation.
void PlacePageInMainDialog(HWND page, HWND statusBar, int tabHeaderHeight);
