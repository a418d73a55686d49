// The stopwatch page's header-menu commands that hand the laps on: save them as
// a CSV file chosen in the save dialog, or copy them to the clipboard. Neither
// result is shown; a failure leaves things as they were.
#include "stopwatch/lap_export_win32.h"
#include "stopwatch/stopwatch_page_win32.h"

void StopwatchPage::OnExportCsv() {
  // The menu offers this only with rows and a stopped watch; a stray command
  // at any other time does nothing.
  if (!engine_.CanExport(listView_.CountRows()))
    return;
  SaveLapsToChosenFile(listView_, pageWindow_);
}

void StopwatchPage::OnCopyToClipboard() {
  if (!engine_.CanExport(listView_.CountRows()))
    return;
  CopyLapsToClipboard(listView_, pageWindow_);
}
