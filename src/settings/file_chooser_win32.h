// The open-file chooser of the file helper: the platform's open dialog that
// leaves the process's current directory as it found it.
#pragma once

#include <windows.h>

// Title of the chooser window.
extern const char kChooseFileTitle[];

// Shows the open dialog owned by owner. fileName holds the proposed name on entry
// (may be empty) and the chosen full path on return; fileNameSize is the room the
// dialog may use, terminator included. filter is a list of label NUL pattern NUL
// pairs ended by one more NUL; its first row is preselected. The chosen file must
// exist and the read-only box is hidden. The current directory is restored
// whatever the dialog did, since the program resolves bare names against it.
// Returns whether the user confirmed a file.
bool ChooseOpenFile(HWND owner, char* fileName, DWORD fileNameSize, const char* filter);
