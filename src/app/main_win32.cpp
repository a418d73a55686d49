// Entry point: the command-line rule, the working directory, one Application.
#include <windows.h>

#include <string>

#include "app/application_win32.h"
#include "app/command_line.h"
#include "settings/settings_path_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (!IsAcceptedCommandLine(commandLine))
    return 0;

  // Relative names (the bell file, the file choosers) resolve against the
  // program's own folder, wherever it was started from.
  const std::string folder = ProgramFolder();
  if (!folder.empty())
    SetCurrentDirectoryA(folder.c_str());

  {
    Application app;
    app.RunMainDialog(instance);
  }
  return 1;
}
