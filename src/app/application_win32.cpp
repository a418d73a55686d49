#include "app/application_win32.h"

#include "app/main_dialog_win32.h"
#include "settings/profile_win32.h"
#include "ui/dpi_win32.h"

Application::Application()
    : stopwatchPage(stopwatchTicks, &runClock, localClock, fileChooser, presence),
      timerPage(timerTicks, localClock, presetNames, bellDevice, &runClock, presence),
      settingsPage(messageBoxes, fileChooser) {
  EnsureSettingsPath();
  // Holds only until the main dialog measures its own (300 pixels at 96 dpi).
  minimumTrackingHeight = ScaleToScreen(300);
}

int Application::RunMainDialog(HINSTANCE instance) {
  MainDialog dialog(*this);
  dialog.RunModal(instance);
  return 0;
}
