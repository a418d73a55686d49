#include "stopwatch/lap_columns.h"

#include "base/cp932_text.h"
#include "stopwatch/stopwatch_dialog_ids.h"

namespace {

const LapColumn kLapColumns[kLapColumnCount] = {
    {"回数", 37, 37, 0},
    {"開始時間", 75, 75, IDM_SW_COLUMN_START_TIME},
    {"計測時間", 75, 75, IDM_SW_COLUMN_MEASURED_TIME},
    {"経過時間", 75, 75, 0},
    {"開始からの経過時間", 100, 75, IDM_SW_COLUMN_SINCE_START},
    {"累積時間", 75, 75, IDM_SW_COLUMN_CUMULATIVE},
    {"平均時間", 75, 75, IDM_SW_COLUMN_AVERAGE},
};

}  // namespace

const LapColumn* LapColumnAt(int column) {
  return (column >= 0 && column < kLapColumnCount) ? &kLapColumns[column] : nullptr;
}

bool IsFixedLapColumn(int column) {
  return column == kColumnLapNumber || column == kColumnSplit;
}

void ColumnHeaderText(int column, char* out, std::size_t outSize) {
  const LapColumn* info = LapColumnAt(column);
  if (info == nullptr || out == nullptr || outSize == 0)
    return;
  CopyWholeCharacters(out, outSize, info->header);
}

int LapColumnForCommand(int command) {
  for (int column = 0; column < kLapColumnCount; ++column) {
    if (kLapColumns[column].menuCommand != 0 && kLapColumns[column].menuCommand == command) {
      return column;
    }
  }
  return -1;
}

void MendShownColumns(int shown[kLapColumnCount]) {
  // The first column cannot be hidden, so only a first run leaves its key unwritten.
  const bool firstRun = shown[kColumnLapNumber] == kShownColumnMissing;
  for (int column = 0; column < kLapColumnCount; ++column) {
    if (firstRun || IsFixedLapColumn(column)) {
      shown[column] = 1;
    } else {
      shown[column] = shown[column] == 1 ? 1 : 0;
    }
  }
}

int LapColumnPosition(const int shown[kLapColumnCount], int column) {
  int position = 0;
  for (int before = 0; before < column && before < kLapColumnCount; ++before) {
    if (shown[before] == 1)
      ++position;
  }
  return position;
}
