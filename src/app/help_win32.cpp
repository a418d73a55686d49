#include "app/help_win32.h"

const char* const kHelpFileName = "help.html";
const char* const kHelpMissingMessage =
    "ヘルプファイル（help.html）が見つかりません。\r\n"
    "Mipoウォッチと同じフォルダーに置いてください。";

void OpenHelp(HWND owner, const std::string& folder, DocumentOpener& opener, MessageBoxes& boxes) {
  std::string path = folder;
  if (!path.empty())
    path += "\\";
  path += kHelpFileName;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    boxes.Show(owner, kHelpMissingMessage, "", MB_OK | MB_ICONINFORMATION);
    return;
  }
  opener.Open(owner, path.c_str());
}
