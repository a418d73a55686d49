// Handing the lap list on: as a CSV file chosen in the save dialog, or as text on
// the clipboard. The list is read as it stands (shown columns, in column index
// order whatever order the headers were dragged into); nothing is recomputed.
#pragma once

#include <windows.h>

#include "stopwatch/lap_export.h"

class FileChooser;
class ListViewControl;

// Titles and cells of the list's columns, read whole however long a cell is.
LapTable ReadLapTable(const ListViewControl& list);

// Writes the list as CSV to path, replacing any file there. True when every byte
// was written.
bool ExportLapsToCsv(const ListViewControl& list, const char* path);

// Puts the list as plain text (CF_TEXT) on the clipboard, owned by owner.
bool CopyLapsToClipboard(const ListViewControl& list, HWND owner);

// Copies text into a fresh global block and hands it to the clipboard as
// CF_TEXT. 1 on success; 0 on any failure, with the block freed and the
// clipboard closed.
int PutTextOnClipboard(HWND owner, const char* text);

// The save command of the list's header menu: asks chooser for a path (empty
// name, ".csv" filter, default extension "csv") and, when one is chosen, writes
// the CSV there. False when the choice was cancelled or the file could not be
// written.
bool SaveLapsToChosenFile(const ListViewControl& list, HWND owner, FileChooser& chooser);
