#pragma once

#include <windows.h>

// Thin wrapper over one report-style list view: the lap list of the stopwatch
// page. It holds only the window handle; every operation is a plain request to
// the control. Without a window the insert/set operations answer -1 and the
// others 0, so callers need no checks of their own.
class ListViewControl {
 public:
  ListViewControl();   // registers the common controls
  ~ListViewControl();  // destroys the window if one is still attached
  ListViewControl(const ListViewControl&) = delete;
  ListViewControl& operator=(const ListViewControl&) = delete;

  // Takes the list view to work on (a dialog control, usually). Null detaches.
  void Attach(HWND window);
  HWND Window() const;

  // Inserts a column at index; width (screen pixels) -1 means 100 pixels
  // at 96 dpi, at the list's dots per inch. Returns the new column's index, or -1.
  int InsertColumn(int index, const char* text, int width, int alignment);
  // Inserts a row at index with its first cell and item parameter; returns the
  // new row's index, or -1.
  int InsertRow(int row, const char* firstCell, LPARAM parameter);
  // Sets one cell of an existing row; nonzero on success, -1 without a window.
  int SetCellText(int row, int column, const char* text);
  int CountColumns() const;
  int CountRows() const;
  // Reads the item parameter of a row into *out; 1 on success, else 0.
  int GetRowParam(int row, LPARAM* out) const;

 private:
  HWND window_;
};
