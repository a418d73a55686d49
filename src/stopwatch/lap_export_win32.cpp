#include "stopwatch/lap_export_win32.h"

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

#include "settings/file_chooser_win32.h"
#include "settings/path_rules.h"
#include "stopwatch/list_view_control_win32.h"

namespace {

// Filter of the save dialog: description, pattern, and the closing empty pair.
const char kCsvFilter[] = "カンマ区切りファイル (*.csv)\0*.csv\0";

const char kCsvExtension[] = "csv";
// Header titles are short fixed words; this is room enough for any of them.
const int kTitleRoom = 64;
// Cells start with this much room and grow until the text fits: a cumulative
// time can carry many hour digits, and a cut cell would be silently lost data.
const int kCellRoom = 64;
// No cell of the lap list comes near this; it only bounds a misbehaving control.
const int kCellRoomLimit = 65536;

std::string ReadTitle(HWND header, int column) {
  char title[kTitleRoom] = {};
  HDITEMA item;
  ZeroMemory(&item, sizeof item);
  item.mask = HDI_TEXT;
  item.pszText = title;
  item.cchTextMax = kTitleRoom;
  if (header == nullptr || !SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column),
                                         reinterpret_cast<LPARAM>(&item))) {
    return std::string();
  }
  // The control may hand back its own buffer instead of filling ours.
  return item.pszText != nullptr ? std::string(item.pszText) : std::string();
}

std::string ReadCell(HWND list, int row, int column) {
  int room = kCellRoom;
  for (;;) {
    // One spare zero byte past the room the control is told of, so the text
    // always ends inside the buffer whatever the control does at its end.
    std::vector<char> buffer(room + 1, '\0');
    LVITEMA item;
    ZeroMemory(&item, sizeof item);
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = room;
    const LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(&item));
    // A text that came close to filling the room may have been cut (a
    // double-byte character that did not fit is dropped whole): read again
    // with more room.
    if (length + 2 < room || room >= kCellRoomLimit)
      return std::string(buffer.data());
    room *= 2;
  }
}

bool WriteWholeFile(const char* path, const std::string& text) {
  if (path == nullptr || path[0] == '\0')
    return false;
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(text.size());
  bool ok = WriteFile(file, text.data(), size, &written, nullptr) && written == size;
  if (ok)
    SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

}  // namespace

LapTable ReadLapTable(const ListViewControl& list) {
  LapTable table;
  HWND window = list.Window();
  if (window == nullptr)
    return table;
  HWND header = reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0));
  const int columns = list.CountColumns();
  for (int c = 0; c < columns; ++c) table.titles.push_back(ReadTitle(header, c));
  const int rows = list.CountRows();
  for (int r = 0; r < rows; ++r) {
    std::vector<std::string> cells;
    for (int c = 0; c < columns; ++c) cells.push_back(ReadCell(window, r, c));
    table.rows.push_back(cells);
  }
  return table;
}

bool ExportLapsToCsv(const ListViewControl& list, const char* path) {
  return WriteWholeFile(path, BuildLapText(ReadLapTable(list), LapTextStyle::kCsv));
}

bool CopyLapsToClipboard(const ListViewControl& list, HWND owner) {
  const std::string text = BuildLapText(ReadLapTable(list), LapTextStyle::kClipboard);
  return PutTextOnClipboard(owner, text.c_str()) == 1;
}

int PutTextOnClipboard(HWND owner, const char* text) {
  if (text == nullptr)
    return 0;
  const SIZE_T size = lstrlenA(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (block == nullptr)
    return 0;
  void* memory = GlobalLock(block);
  if (memory == nullptr) {
    GlobalFree(block);
    return 0;
  }
  CopyMemory(memory, text, size);
  GlobalUnlock(block);
  if (!OpenClipboard(owner)) {
    GlobalFree(block);
    return 0;
  }
  if (!EmptyClipboard() || SetClipboardData(CF_TEXT, block) == nullptr) {
    CloseClipboard();
    GlobalFree(block);
    return 0;
  }
  // The block belongs to the clipboard now.
  CloseClipboard();
  return 1;
}

bool SaveLapsToChosenFile(const ListViewControl& list, HWND owner, FileChooser& chooser) {
  char path[kMaxPathChars] = {};
  if (!chooser.ChooseSave(owner, kCsvFilter, kCsvExtension, path))
    return false;
  // Whatever the chooser left at the end, the path ends inside the buffer.
  path[kMaxPathChars - 1] = '\0';
  return ExportLapsToCsv(list, path);
}
