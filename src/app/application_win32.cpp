#include "app/application_win32.h"

#include "app/main_dialog_win32.h"
#include "display/font_files_win32.h"
#include "ui/dpi_win32.h"

// The clocks are members made before runClock, which only keeps them; the
// system's boxes are made before the reference that names them.
Application::Application()
    : Application(SettingsFile::ForThisProgram(), counterClock_, tickCountClock_,
                  systemMessageBoxes_) {}

Application::Application(const SettingsFile& settingsFile, MonotonicClock& fineClock,
                         MonotonicClock& coarseClock, MessageBoxes& boxes)
    : settings_(settingsFile),
      messageBoxes_(boxes),
      runClock_(fineClock, coarseClock),
      stopwatchPage_(settings_, stopwatchTicks_, runClock_, localClock_, fileChooser_, presence_),
      timerPage_(settings_, timerTicks_, runClock_, localClock_, presetNames_, bellDevice_,
                 monitors_, messageBoxes_, presence_),
      settingsPage_(settings_, messageBoxes_, fileChooser_, presence_) {
  // Before any display reads its font: fonts keep their size in points when
  // the scaling changed since the files were written.
  display::KeepFontFilesAt(settings_, ScreenDpi());
}

int Application::RunMainDialog(HINSTANCE instance) {
  MainDialog dialog(*this);
  dialog.RunModal(instance);
  return 0;
}
