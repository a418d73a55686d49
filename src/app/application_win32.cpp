#include "app/application_win32.h"

#include "app/main_dialog_win32.h"
#include "display/font_files_win32.h"
#include "ui/dpi_win32.h"

// The clocks are members made before runClock, which only keeps them; the
// system's boxes are made before the reference that names them.
Application::Application()
    : Application(SettingsFile::ForThisProgram(), counterClock, tickCountClock,
                  systemMessageBoxes) {}

Application::Application(const SettingsFile& settingsFile, MonotonicClock& fineClock,
                         MonotonicClock& coarseClock, MessageBoxes& boxes)
    : settings(settingsFile),
      messageBoxes(boxes),
      runClock(fineClock, coarseClock),
      stopwatchPage(settings, stopwatchTicks, runClock, localClock, fileChooser, presence),
      timerPage(settings, timerTicks, runClock, localClock, presetNames, bellDevice, monitors,
                messageBoxes, presence),
      settingsPage(settings, messageBoxes, fileChooser) {
  // Holds only until the main dialog measures its own (300 pixels at 96 dpi).
  minimumTrackingHeight = ScaleToScreen(300);
  // Before any display reads its font: fonts keep their size in points when
  // the scaling changed since the files were written.
  display::KeepFontFilesAt(settings, ScreenDpi());
}

int Application::RunMainDialog(HINSTANCE instance) {
  MainDialog dialog(*this);
  dialog.RunModal(instance);
  return 0;
}
