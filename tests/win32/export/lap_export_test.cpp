#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/file_chooser_win32.h"
#include "stopwatch/lap_export_win32.h"
#include "stopwatch/list_view_control_win32.h"
#include "../support/win32_test_support.h"
#include "support/fakes_win32.h"
#include "window_test_helpers.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::UseFreshSettings;
using testing_support::WriteFileBytes;

const char* const kTitles[] = {"回数",     "開始時間", "計測時間", "経過時間", "開始からの経過時間",
                               "累積時間", "平均時間"};
const int kWidths[] = {37, 75, 75, 75, 100, 75, 75};

// A real report-style list view in a test window, filled the way the page
// fills the lap list: columns appended, rows inserted with cell 0 and the
// other cells set one by one.
class LapListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 380,
                                300, parent_.Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x131, 0x131);
    list_.Attach(list);
  }

  void AddColumns(int count) {
    for (int c = 0; c < count; ++c) list_.InsertColumn(c, kTitles[c], kWidths[c], LVCFMT_LEFT);
  }

  void AddRow(const std::vector<std::string>& cells) {
    const int row = list_.CountRows();
    list_.InsertRow(row, cells[0].c_str(), row % 2);
    for (size_t c = 1; c < cells.size(); ++c) {
      list_.SetCellText(row, static_cast<int>(c), cells[c].c_str());
    }
  }

  // Rows of seven lap texts, numbered from 1.
  void AddSevenColumnRows(int rows) {
    for (int r = 1; r <= rows; ++r) {
      AddRow({std::to_string(r), "12:00:00.000", "12:00:0" + std::to_string(r) + ".000",
              "00:00:01:000", "00:00:0" + std::to_string(r) + ":000",
              "00:00:0" + std::to_string(r) + ":000", "00:00:01:000"});
    }
  }

  std::string SaveCsv() {
    const std::string path = folder_ + "\\laps.csv";
    EXPECT_TRUE(ExportLapsToCsv(list_, path.c_str()));
    return ReadFileBytes(path);
  }

  std::string CopyToClipboard() {
    EXPECT_TRUE(CopyLapsToClipboard(list_, parent_.Window()));
    return ClipboardText(parent_.Window());
  }

  std::string folder_ = UseFreshSettings("lap-export");
  TestWindow parent_;
  ListViewControl list_;
};

const char kSevenTitles[] =
    "回数,開始時間,計測時間,経過時間,開始からの経過時間,累積時間,平均時間\r\n";

TEST_F(LapListTest, SevenColumnsThreeRowsSaveAsHeaderAndQuotedRows) {
  AddColumns(7);
  AddSevenColumnRows(3);
  EXPECT_EQ(SaveCsv(), std::string(kSevenTitles) +
                           "\"1\",\"12:00:00.000\",\"12:00:01.000\",\"00:00:01:000\","
                           "\"00:00:01:000\",\"00:00:01:000\",\"00:00:01:000\"\r\n"
                           "\"2\",\"12:00:00.000\",\"12:00:02.000\",\"00:00:01:000\","
                           "\"00:00:02:000\",\"00:00:02:000\",\"00:00:01:000\"\r\n"
                           "\"3\",\"12:00:00.000\",\"12:00:03.000\",\"00:00:01:000\","
                           "\"00:00:03:000\",\"00:00:03:000\",\"00:00:01:000\"\r\n");
}

TEST_F(LapListTest, SevenColumnsThreeRowsCopyAsSpaceSeparatedCfText) {
  AddColumns(7);
  AddSevenColumnRows(3);
  EXPECT_EQ(
      CopyToClipboard(),
      std::string(kSevenTitles) +
          "1 12:00:00.000 12:00:01.000 00:00:01:000 00:00:01:000 00:00:01:000 00:00:01:000\r\n"
          "2 12:00:00.000 12:00:02.000 00:00:01:000 00:00:02:000 00:00:02:000 00:00:01:000\r\n"
          "3 12:00:00.000 12:00:03.000 00:00:01:000 00:00:03:000 00:00:03:000 00:00:01:000\r\n");
}

TEST_F(LapListTest, TwoColumnsGiveTwoCellLinesInBothOutputs) {
  list_.InsertColumn(0, "回数", 37, LVCFMT_LEFT);
  list_.InsertColumn(1, "経過時間", 75, LVCFMT_LEFT);
  AddRow({"1", "00:00:01:000"});
  AddRow({"2", "00:00:02:500"});
  EXPECT_EQ(SaveCsv(), "回数,経過時間\r\n\"1\",\"00:00:01:000\"\r\n\"2\",\"00:00:02:500\"\r\n");
  EXPECT_EQ(CopyToClipboard(), "回数,経過時間\r\n1 00:00:01:000\r\n2 00:00:02:500\r\n");
}

TEST_F(LapListTest, RemovedColumnLeavesBothOutputsAndTheRestKeepTheirOrder) {
  AddColumns(7);
  AddSevenColumnRows(1);
  // Switching off "開始時間" and "累積時間" deletes their columns.
  SendMessageA(list_.Window(), LVM_DELETECOLUMN, 5, 0);
  SendMessageA(list_.Window(), LVM_DELETECOLUMN, 1, 0);
  EXPECT_EQ(SaveCsv(),
            "回数,計測時間,経過時間,開始からの経過時間,平均時間\r\n"
            "\"1\",\"12:00:01.000\",\"00:00:01:000\",\"00:00:01:000\",\"00:00:01:000\"\r\n");
  EXPECT_EQ(CopyToClipboard(),
            "回数,計測時間,経過時間,開始からの経過時間,平均時間\r\n"
            "1 12:00:01.000 00:00:01:000 00:00:01:000 00:00:01:000\r\n");
}

TEST_F(LapListTest, DraggedHeadersChangeNeitherTitleNorCellOrder) {
  AddColumns(4);
  AddRow({"1", "12:00:00.000", "12:00:01.000", "00:00:01:000"});
  int order[] = {3, 1, 0, 2};
  ASSERT_TRUE(
      SendMessageA(list_.Window(), LVM_SETCOLUMNORDERARRAY, 4, reinterpret_cast<LPARAM>(order)));
  EXPECT_EQ(SaveCsv(),
            "回数,開始時間,計測時間,経過時間\r\n"
            "\"1\",\"12:00:00.000\",\"12:00:01.000\",\"00:00:01:000\"\r\n");
  EXPECT_EQ(CopyToClipboard(),
            "回数,開始時間,計測時間,経過時間\r\n1 12:00:00.000 12:00:01.000 00:00:01:000\r\n");
}

TEST_F(LapListTest, CellsLongerThanFifteenBytesAreExportedWhole) {
  list_.InsertColumn(0, "回数", 37, LVCFMT_LEFT);
  list_.InsertColumn(1, "累積時間", 75, LVCFMT_LEFT);
  const std::string veryLong(300, '9');
  AddRow({"1", "10000:00:00:000"});
  AddRow({"2", "123456789:59:59:999"});
  AddRow({"3", veryLong});
  EXPECT_EQ(SaveCsv(),
            "回数,累積時間\r\n\"1\",\"10000:00:00:000\"\r\n"
            "\"2\",\"123456789:59:59:999\"\r\n\"3\",\"" +
                veryLong + "\"\r\n");
  EXPECT_EQ(CopyToClipboard(),
            "回数,累積時間\r\n1 10000:00:00:000\r\n"
            "2 123456789:59:59:999\r\n3 " +
                veryLong + "\r\n");
}

TEST_F(LapListTest, LongDoubleByteCellsAreNotCutInside) {
  list_.InsertColumn(0, "回数", 37, LVCFMT_LEFT);
  list_.InsertColumn(1, "表", 75, LVCFMT_LEFT);
  // Lengths around the first room for a cell, with an odd byte in front so a
  // double-byte character straddles its end.
  std::vector<std::string> cells;
  for (int pairs = 28; pairs <= 36; ++pairs) {
    std::string cell = "x";
    for (int i = 0; i < pairs; ++i) cell += "表";
    cells.push_back(cell);
    AddRow({std::to_string(pairs), cell});
  }
  std::string expected = "回数,表\r\n";
  for (size_t i = 0; i < cells.size(); ++i) {
    expected += "\"" + std::to_string(28 + i) + "\",\"" + cells[i] + "\"\r\n";
  }
  EXPECT_EQ(SaveCsv(), expected);
}

TEST_F(LapListTest, SavingOverAnExistingFileReplacesIt) {
  AddColumns(2);
  AddRow({"1", "12:00:00.000"});
  WriteFileBytes(folder_ + "\\laps.csv", std::string(1000, 'x'));
  EXPECT_EQ(SaveCsv(), "回数,開始時間\r\n\"1\",\"12:00:00.000\"\r\n");
}

TEST_F(LapListTest, SavingIntoAMissingFolderFailsAndWritesNothing) {
  AddColumns(2);
  AddRow({"1", "12:00:00.000"});
  const std::string path = folder_ + "\\no-such-folder\\laps.csv";
  EXPECT_FALSE(ExportLapsToCsv(list_, path.c_str()));
  bool exists = true;
  ReadFileBytes(path, &exists);
  EXPECT_FALSE(exists);
}

class SaveCommandTest : public LapListTest {
 protected:
  fakes::FileChooser chooser_;
  fakes::ChooserCall& call_ = chooser_.call;
};

TEST_F(SaveCommandTest, AsksWithAnEmptyNameAndTheCsvFilterThenWritesTheChosenFile) {
  AddColumns(2);
  AddRow({"1", "12:00:00.000"});
  chooser_.answer = folder_ + "\\chosen.csv";
  EXPECT_TRUE(SaveLapsToChosenFile(list_, parent_.Window(), chooser_));
  EXPECT_EQ(call_.calls, 1);
  EXPECT_EQ(call_.owner, parent_.Window());
  EXPECT_EQ(call_.defaultExtension, "csv");
  EXPECT_TRUE(call_.bufferAllZero);
  const char expected[] = "カンマ区切りファイル (*.csv)\0*.csv\0";
  EXPECT_EQ(call_.filter, std::string(expected, sizeof expected));
  EXPECT_EQ(ReadFileBytes(chooser_.answer), "回数,開始時間\r\n\"1\",\"12:00:00.000\"\r\n");
}

TEST_F(SaveCommandTest, CancellingTheDialogWritesNothing) {
  AddColumns(2);
  AddRow({"1", "12:00:00.000"});
  EXPECT_FALSE(SaveLapsToChosenFile(list_, parent_.Window(), chooser_));
  EXPECT_EQ(call_.calls, 1);
}

TEST(ClipboardTest, TextGoesOnTheClipboardAsCfTextWithItsTerminator) {
  TestWindow owner;
  ASSERT_EQ(PutTextOnClipboard(owner.Window(), "回数,経過時間\r\n1 00:00:01:000\r\n"), 1);
  ASSERT_TRUE(OpenClipboard(owner.Window()));
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  const char* bytes = static_cast<const char*>(GlobalLock(data));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::string(bytes), "回数,経過時間\r\n1 00:00:01:000\r\n");
  GlobalUnlock(data);
  CloseClipboard();
}

TEST(ClipboardTest, ClipboardHeldByAnotherWindowReportsFailureAndKeepsItsContent) {
  TestWindow owner;
  TestWindow other;
  ASSERT_EQ(PutTextOnClipboard(owner.Window(), "earlier"), 1);
  ASSERT_TRUE(OpenClipboardFor(other.Window()));
  EXPECT_EQ(PutTextOnClipboard(owner.Window(), "later"), 0);
  // The failed attempt left the clipboard as the other window holds it.
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(data))), "earlier");
  GlobalUnlock(data);
  CloseClipboard();
}

TEST(ClipboardTest, NoTextIsAFailureNotACrash) {
  EXPECT_EQ(PutTextOnClipboard(nullptr, nullptr), 0);
}

}  // namespace
