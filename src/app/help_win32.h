// The help: help.html beside the program, opened with the user's browser.
#pragma once

#include <windows.h>

#include <string>

#include "desktop/document_opener_win32.h"
#include "ui/message_box_win32.h"

extern const char* const kHelpFileName;
extern const char* const kHelpMissingMessage;
extern const char* const kHelpNotOpenedMessage;

// Opens folder\help.html; when it is not there, or the shell cannot open it
// (no program for web pages, or any other failure), says so in one message box.
void OpenHelp(HWND owner, const std::string& folder, DocumentOpener& opener, MessageBoxes& boxes);
