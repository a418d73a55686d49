// Entry point: the command-line rule, the working directory, one Application.
#include <windows.h>

#include <cstdlib>
#include <exception>
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

// An exception that escapes everything ends the program. The C++ runtime's own
// handler would first write the exception's demangled type to standard error,
// which a window program does not have; replacing it keeps the demangler (46 KB)
// out of the program.
#if defined(__GLIBCXX__)
void __gnu_cxx::__verbose_terminate_handler() {
  std::abort();
}
#endif
