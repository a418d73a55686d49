#include "app/application_win32.h"

#include "app/main_dialog_win32.h"
#include "settings/profile_win32.h"
#include "ui/dpi_win32.h"

Application::Application()
    : stopwatchPage(stopwatchTicks, &counterClock, localClock, fileChooser),
      timerPage(timerTicks, localClock, presetNames, bellDevice),
      settingsPage(messageBoxes, fileChooser) {
  EnsureSettingsPath();
  width = 300;
  height = 300;
  // Holds only until the main dialog measures its own (300 pixels at 96 dpi).
  minimumTrackingHeight = ScaleToScreen(300);
  left = 0;
  top = 0;
}

int Application::RunMainDialog(HINSTANCE instance) {
  MainDialog dialog(*this);
  dialog.RunModal(instance);
  return 0;
}
