// The text that the lap list is handed on as: a CSV file or plain clipboard
// text. Both start with the same header line and carry the cells exactly as the
// list holds them (cp932 bytes, no byte-order mark), one CR LF per line.
#pragma once

#include <string>
#include <vector>

enum class LapTextStyle {
  kCsv,        // every cell in double quotes, cells joined by commas
  kClipboard,  // cells joined by one space, no quotes
};

// The lap list as read from the screen: the titles of the shown columns and, per
// row, the cells of those columns, both in column index order.
struct LapTable {
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;
};

// The header line: titles joined by "," (unquoted), then CR LF.
std::string LapHeaderLine(const std::vector<std::string>& titles);

// One row line in the given style, ending in CR LF. A row has as many cells as
// there are columns; missing cells count as empty, surplus ones are left out.
std::string LapRowLine(const std::vector<std::string>& cells, std::size_t columnCount,
                       LapTextStyle style);

// The whole text: header line and one line per row, nothing after the last CR LF.
std::string BuildLapText(const LapTable& table, LapTextStyle style);
