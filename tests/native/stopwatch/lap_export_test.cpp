#include "stopwatch/lap_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kAllTitles = {
    "回数", "開始時間", "計測時間", "経過時間", "開始からの経過時間", "累積時間", "平均時間"};

std::vector<std::string> Row(int number, std::size_t columns) {
  std::vector<std::string> cells;
  for (std::size_t c = 0; c < columns; ++c) {
    cells.push_back(c == 0 ? std::to_string(number) : "00:00:0" + std::to_string(c) + ":000");
  }
  return cells;
}

LapTable Table(std::size_t columns, int rows) {
  LapTable table;
  table.titles.assign(kAllTitles.begin(), kAllTitles.begin() + columns);
  for (int r = 1; r <= rows; ++r) table.rows.push_back(Row(r, columns));
  return table;
}

TEST(LapExportText, SevenColumnsThreeRowsAsCsvQuotesEveryCellAndEndsEachLineWithCrLf) {
  EXPECT_EQ(BuildLapText(Table(7, 3), LapTextStyle::kCsv),
            "回数,開始時間,計測時間,経過時間,開始からの経過時間,累積時間,平均時間\r\n"
            "\"1\",\"00:00:01:000\",\"00:00:02:000\",\"00:00:03:000\",\"00:00:04:000\","
            "\"00:00:05:000\",\"00:00:06:000\"\r\n"
            "\"2\",\"00:00:01:000\",\"00:00:02:000\",\"00:00:03:000\",\"00:00:04:000\","
            "\"00:00:05:000\",\"00:00:06:000\"\r\n"
            "\"3\",\"00:00:01:000\",\"00:00:02:000\",\"00:00:03:000\",\"00:00:04:000\","
            "\"00:00:05:000\",\"00:00:06:000\"\r\n");
}

TEST(LapExportText, SevenColumnsThreeRowsForClipboardJoinsCellsWithOneSpace) {
  EXPECT_EQ(BuildLapText(Table(7, 3), LapTextStyle::kClipboard),
            "回数,開始時間,計測時間,経過時間,開始からの経過時間,累積時間,平均時間\r\n"
            "1 00:00:01:000 00:00:02:000 00:00:03:000 00:00:04:000 00:00:05:000 00:00:06:000\r\n"
            "2 00:00:01:000 00:00:02:000 00:00:03:000 00:00:04:000 00:00:05:000 00:00:06:000\r\n"
            "3 00:00:01:000 00:00:02:000 00:00:03:000 00:00:04:000 00:00:05:000 00:00:06:000\r\n");
}

TEST(LapExportText, EveryColumnCountFromTwoToSevenGivesThatManyCellsPerLine) {
  for (std::size_t columns = 2; columns <= 7; ++columns) {
    SCOPED_TRACE(columns);
    const LapTable table = Table(columns, 2);
    std::string csvRow, clipRow;
    for (std::size_t c = 0; c < columns; ++c) {
      const std::string& cell = table.rows[1][c];
      csvRow += (c ? ",\"" : "\"") + cell + "\"";
      clipRow += (c ? " " : "") + cell;
    }
    std::string header;
    for (std::size_t c = 0; c < columns; ++c) header += (c ? "," : "") + kAllTitles[c];
    const std::string csv = BuildLapText(table, LapTextStyle::kCsv);
    const std::string clip = BuildLapText(table, LapTextStyle::kClipboard);
    // Header identical in both outputs, last line is the second row, nothing after it.
    EXPECT_EQ(csv.substr(0, header.size() + 2), header + "\r\n");
    EXPECT_EQ(clip.substr(0, header.size() + 2), header + "\r\n");
    EXPECT_EQ(csv.substr(csv.size() - csvRow.size() - 2), csvRow + "\r\n");
    EXPECT_EQ(clip.substr(clip.size() - clipRow.size() - 2), clipRow + "\r\n");
  }
}

TEST(LapExportText, TwoColumnsGiveTwoCellLinesInBothStyles) {
  LapTable table;
  table.titles = {"回数", "経過時間"};
  table.rows = {{"1", "00:00:01:000"}};
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kCsv), "回数,経過時間\r\n\"1\",\"00:00:01:000\"\r\n");
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kClipboard), "回数,経過時間\r\n1 00:00:01:000\r\n");
}

TEST(LapExportText, TitlesGoOutAsCp932BytesWithoutByteOrderMark) {
  LapTable table;
  table.titles = {"回数", "経過時間"};
  const std::string text = BuildLapText(table, LapTextStyle::kCsv);
  const std::string expected = "\x89\xf1\x90\x94,\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4\r\n";
  EXPECT_EQ(text, expected);
}

TEST(LapExportText, LongCellsAndTrailByte5CAreKeptWhole) {
  LapTable table;
  table.titles = {"回数", "表"};  // 表 is 95 5C: its trail byte must not be touched
  table.rows = {{"12345", "10000:00:00:000"}, {"123456789", "123456789:59:59:999"}};
  EXPECT_EQ(
      BuildLapText(table, LapTextStyle::kCsv),
      "回数,表\r\n\"12345\",\"10000:00:00:000\"\r\n\"123456789\",\"123456789:59:59:999\"\r\n");
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kClipboard),
            "回数,\x95\x5c\r\n12345 10000:00:00:000\r\n123456789 123456789:59:59:999\r\n");
}

TEST(LapExportText, AnEmptyListGivesOnlyTheHeaderLine) {
  LapTable table = Table(4, 0);
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kCsv), "回数,開始時間,計測時間,経過時間\r\n");
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kClipboard), "回数,開始時間,計測時間,経過時間\r\n");
}

TEST(LapExportText, RowsFollowTheColumnCountOfTheHeader) {
  // A row that is short (a column shown after the row was written) gives empty
  // cells; cells beyond the shown columns are not exported.
  LapTable table;
  table.titles = {"回数", "経過時間", "平均時間"};
  table.rows = {{"1", "00:00:01:000"}, {"2", "a", "b", "surplus"}};
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kCsv),
            "回数,経過時間,平均時間\r\n\"1\",\"00:00:01:000\",\"\"\r\n\"2\",\"a\",\"b\"\r\n");
  EXPECT_EQ(BuildLapText(table, LapTextStyle::kClipboard),
            "回数,経過時間,平均時間\r\n1 00:00:01:000 \r\n2 a b\r\n");
}

}  // namespace
