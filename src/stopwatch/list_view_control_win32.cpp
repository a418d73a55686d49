#include "stopwatch/list_view_control_win32.h"

#include <commctrl.h>

#include "ui/dpi_win32.h"

namespace {

LVITEMA MakeItem(int row, int column, const char* text) {
  LVITEMA entry;
  ZeroMemory(&entry, sizeof entry);
  entry.mask = LVIF_TEXT;
  entry.iItem = row;
  entry.iSubItem = column;
  // The control copies the text; it never writes through this pointer on a set.
  entry.pszText = const_cast<char*>(text);
  return entry;
}

}  // namespace

ListViewControl::ListViewControl() : window_(nullptr) {
  InitCommonControls();
}

ListViewControl::~ListViewControl() {
  // A dialog control normally dies with its dialog first; only a window that
  // is still alive is destroyed here.
  if (window_ != nullptr && IsWindow(window_))
    DestroyWindow(window_);
  window_ = nullptr;
}

void ListViewControl::Attach(HWND window) {
  window_ = window;
}

HWND ListViewControl::Window() const {
  return window_;
}

int ListViewControl::InsertColumn(int index, const char* text, int width, int alignment) {
  if (window_ == nullptr)
    return -1;
  LVCOLUMNA column;
  ZeroMemory(&column, sizeof column);
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = alignment;
  column.cx = width == -1 ? ScalePixels(100, WindowDpi(window_)) : width;
  column.pszText = const_cast<char*>(text);
  column.iSubItem = index;
  return static_cast<int>(SendMessageA(window_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&column)));
}

int ListViewControl::InsertRow(int row, const char* firstCell, LPARAM parameter) {
  if (window_ == nullptr)
    return -1;
  LVITEMA entry = MakeItem(row, 0, firstCell);
  entry.mask |= LVIF_PARAM;
  entry.lParam = parameter;
  return static_cast<int>(
      SendMessageA(window_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
}

int ListViewControl::SetCellText(int row, int column, const char* text) {
  if (window_ == nullptr)
    return -1;
  LVITEMA entry = MakeItem(row, column, text);
  return static_cast<int>(SendMessageA(window_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
}

int ListViewControl::CountColumns() const {
  if (window_ == nullptr)
    return 0;
  int count = 0;
  for (;;) {
    LVCOLUMNA column;
    ZeroMemory(&column, sizeof column);
    column.mask = LVCF_WIDTH;
    if (!SendMessageA(window_, LVM_GETCOLUMNA, static_cast<WPARAM>(count),
                      reinterpret_cast<LPARAM>(&column))) {
      return count;
    }
    ++count;
  }
}

int ListViewControl::CountRows() const {
  if (window_ == nullptr)
    return 0;
  return static_cast<int>(SendMessageA(window_, LVM_GETITEMCOUNT, 0, 0));
}

int ListViewControl::GetRowParam(int row, LPARAM* out) const {
  if (window_ == nullptr || out == nullptr)
    return 0;
  LVITEMA entry;
  ZeroMemory(&entry, sizeof entry);
  entry.mask = LVIF_PARAM;
  entry.iItem = row;
  if (!SendMessageA(window_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry)))
    return 0;
  *out = entry.lParam;
  return 1;
}
