// The seven columns of the lap list: their headers, widths, the header-menu
// command that switches each, and the arithmetic of shown and hidden columns.
// A hidden column takes no place: a shown column's position in the list is the
// number of shown columns before it.
#pragma once

#include <cstddef>

constexpr int kLapColumnCount = 7;

// Column numbers in their fixed order.
enum LapColumnIndex {
  kColumnLapNumber = 0,  // the row's number in the run; always shown
  kColumnStartTime = 1,
  kColumnMeasuredTime = 2,
  kColumnSplit = 3,  // elapsed time since the previous lap; always shown
  kColumnSinceStart = 4,
  kColumnCumulative = 5,
  kColumnAverage = 6,
};

struct LapColumn {
  const char* header;
  int initialWidth;  // when the page builds the list (pixels at 96 dpi)
  int switchWidth;   // when switched on again from the header menu (at 96 dpi)
  int menuCommand;   // 0 for the columns that are always shown
};

// The column numbered column, 0..6; null for any other number.
const LapColumn* LapColumnAt(int column);

// True for the two columns that cannot be hidden.
bool IsFixedLapColumn(int column);

// Copies the header of column 0..6 into out; any other number leaves out alone.
void ColumnHeaderText(int column, char* out, std::size_t outSize);

// Column switched by a header-menu command, or -1.
int LapColumnForCommand(int command);

// Whether each column is shown is stored as 1 (shown) or 0 (hidden); a missing
// key reads as this.
constexpr int kShownColumnMissing = 2;

// Turns the shown-column values as read from Data.ini into 0 or 1. No value for
// the first column means a first run: every column is shown. Otherwise the two
// fixed columns are always shown and any other column only when its value is
// exactly 1.
void MendShownColumns(int shown[kLapColumnCount]);

// Position of column among the shown ones: the number of shown columns before it.
int LapColumnPosition(const int shown[kLapColumnCount], int column);
