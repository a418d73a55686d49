// The stopwatch page's header-menu commands that hand the laps on: save them as
// a CSV file chosen in the save dialog, or copy them to the clipboard. Neither
// result is shown; a failure leaves things as they were. The command dispatch
// offers them only with rows in the list and the watch stopped.
#include "stopwatch/lap_export_win32.h"
#include "stopwatch/stopwatch_page_win32.h"

void StopwatchPage::OnExportCsv() {
  SaveLapsToChosenFile(listView_, Window(), chooser_);
}

void StopwatchPage::OnCopyToClipboard() {
  CopyLapsToClipboard(listView_, Window());
}
