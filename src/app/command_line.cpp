#include "app/command_line.h"

#include <cstring>

bool IsAcceptedCommandLine(const char* commandLine) {
  if (commandLine == nullptr || commandLine[0] == '\0')
    return true;
  return std::strcmp(commandLine, "-n") == 0;
}
