// The export text of any lap table: one header line and one line per row, each
// row with exactly as many cells as there are titles, cells carried byte for
// byte (cp932 trail bytes, blanks and all).
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "fuzz_check.h"
#include "stopwatch/lap_export.h"

namespace {

// Cells the lap list can hold: digits, ':', '.', blanks and cp932 text, but no
// quote, comma or line end, so the lines can be split again.
std::string PlainCell(FuzzedDataProvider& in) {
  std::string cell = in.ConsumeRandomLengthString(40);
  for (char& c : cell) {
    if (c == '"' || c == ',' || c == '\r' || c == '\n')
      c = '.';
  }
  return cell;
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts(1);
  for (char c : line) {
    if (c == separator)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool csv = in.ConsumeBool();
  const LapTextStyle style = csv ? LapTextStyle::kCsv : LapTextStyle::kClipboard;
  LapTable table;
  const size_t columns = in.ConsumeIntegralInRange<size_t>(0, 7);
  for (size_t i = 0; i < columns; ++i) table.titles.push_back(PlainCell(in));
  const size_t rows = in.ConsumeIntegralInRange<size_t>(0, 12);
  for (size_t r = 0; r < rows; ++r) {
    std::vector<std::string> row;
    const size_t cells = in.ConsumeIntegralInRange<size_t>(0, 9);
    for (size_t c = 0; c < cells; ++c) row.push_back(PlainCell(in));
    table.rows.push_back(row);
  }

  const std::string text = BuildLapText(table, style);
  FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    FUZZ_CHECK(end != std::string::npos);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  FUZZ_CHECK(lines.size() == rows + 1);
  FUZZ_CHECK(lines[0] + "\r\n" == LapHeaderLine(table.titles));

  for (size_t r = 0; r < rows; ++r) {
    const std::vector<std::string>& row = table.rows[r];
    if (csv) {
      // "a","b",... : one quoted cell per title.
      if (columns == 0) {
        FUZZ_CHECK(lines[r + 1].empty());
        continue;
      }
      const std::vector<std::string> parts = Split(lines[r + 1], ',');
      FUZZ_CHECK(parts.size() == columns);
      for (size_t c = 0; c < columns; ++c) {
        const std::string expected = "\"" + (c < row.size() ? row[c] : std::string()) + "\"";
        FUZZ_CHECK(parts[c] == expected);
      }
    } else {
      std::string expected;
      for (size_t c = 0; c < columns; ++c) {
        if (c > 0)
          expected += ' ';
        if (c < row.size())
          expected += row[c];
      }
      FUZZ_CHECK(lines[r + 1] == expected);
    }
  }
  return 0;
}
