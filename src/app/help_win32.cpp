#include "app/help_win32.h"

const char* const kHelpFileName = "help.html";
const char* const kHelpMissingMessage =
    "ヘルプファイル（help.html）が見つかりません。\r\n"
    "Mipoウォッチと同じフォルダーに置いてください。";
const char* const kHelpNotOpenedMessage =
    "ヘルプファイル（help.html）を開けませんでした。\r\n"
    "Webページを開くプログラム（ブラウザー）が設定されているか確認してください。";

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
  // A key that silently does nothing looks broken.
  if (!opener.Open(owner, path.c_str()))
    boxes.Show(owner, kHelpNotOpenedMessage, "", MB_OK | MB_ICONINFORMATION);
}
