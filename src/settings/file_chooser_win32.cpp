#include "settings/file_chooser_win32.h"

#include <commdlg.h>

#include <cstddef>

#include "settings/path_rules.h"

const char kChooseFileTitle[] = "ファイル選択";

namespace {

// The path and file-title buffers of the save dialog.

// The save dialog is asked for in its older form (up to lpTemplateName; 76 bytes
// in a 32-bit program), which every version of the common dialogs accepts.
constexpr DWORD kSaveRequestSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kSaveRequestSize == 76, "the 76-byte request");

}  // namespace

bool SystemFileChooser::ChooseOpen(HWND owner, char* fileName, DWORD fileNameSize,
                                   const char* filter) {
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

bool SystemFileChooser::ChooseSave(HWND owner, const char* filter, const char* defaultExtension,
                                   char* path) {
  char fileTitle[kMaxPathChars] = {};
  OPENFILENAMEA request;
  ZeroMemory(&request, sizeof request);
  request.lStructSize = kSaveRequestSize;
  request.hwndOwner = owner;
  request.lpstrFilter = filter;
  request.lpstrFile = path;
  request.nMaxFile = kMaxPathChars;
  request.lpstrFileTitle = fileTitle;
  request.nMaxFileTitle = kMaxPathChars;
  request.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  request.lpstrDefExt = defaultExtension;
  return GetSaveFileNameA(&request) != FALSE;
}
