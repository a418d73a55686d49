#include "settings/file_chooser_win32.h"

#include <commdlg.h>

const char kChooseFileTitle[] = "ファイル選択";

bool ChooseOpenFile(HWND owner, char* fileName, DWORD fileNameSize, const char* filter) {
  if (fileName == nullptr || fileNameSize == 0)
    return false;
  char currentDirectory[MAX_PATH + 1] = {};
  const DWORD remembered = GetCurrentDirectoryA(sizeof currentDirectory, currentDirectory);
  // The dialog reads the proposal up to the terminator: make sure there is one.
  fileName[fileNameSize - 1] = '\0';

  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter;
  request.nFilterIndex = 1;
  request.lpstrFile = fileName;
  request.nMaxFile = fileNameSize;
  request.lpstrTitle = kChooseFileTitle;
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  const bool confirmed = GetOpenFileNameA(&request) != FALSE;

  // A directory that did not fit was never remembered; there is nothing to restore.
  if (remembered > 0 && remembered < sizeof currentDirectory) {
    SetCurrentDirectoryA(currentDirectory);
  }
  return confirmed;
}
