#include "stopwatch/lap_export.h"

namespace {

const char kLineEnd[] = "\r\n";

}  // namespace

std::string LapHeaderLine(const std::vector<std::string>& titles) {
  std::string line;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    if (i > 0)
      line += ',';
    line += titles[i];
  }
  line += kLineEnd;
  return line;
}

std::string LapRowLine(const std::vector<std::string>& cells, std::size_t columnCount,
                       LapTextStyle style) {
  const bool csv = style == LapTextStyle::kCsv;
  static const std::string kEmpty;
  std::string line;
  for (std::size_t i = 0; i < columnCount; ++i) {
    if (i > 0)
      line += csv ? ',' : ' ';
    const std::string& cell = i < cells.size() ? cells[i] : kEmpty;
    // Cells are times and counts: quotes inside them are not doubled, the bytes
    // go out as the list holds them.
    if (csv)
      line += '"';
    line += cell;
    if (csv)
      line += '"';
  }
  line += kLineEnd;
  return line;
}

std::string BuildLapText(const LapTable& table, LapTextStyle style) {
  std::string text = LapHeaderLine(table.titles);
  for (const std::vector<std::string>& row : table.rows) {
    text += LapRowLine(row, table.titles.size(), style);
  }
  return text;
}
