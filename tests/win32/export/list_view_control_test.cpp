#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "stopwatch/list_view_control_win32.h"
#include "window_test_helpers.h"

namespace {

HWND CreateList(HWND parent) {
  return CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 200,
                         parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

using testing_support::ListCellText;

TEST(ListViewControlTest, WithoutAWindowInsertsAnswerMinusOneAndCountsZero) {
  ListViewControl list;
  EXPECT_EQ(list.Window(), nullptr);
  EXPECT_EQ(list.InsertColumn(0, "回数", 37, LVCFMT_LEFT), -1);
  EXPECT_EQ(list.InsertRow(0, "1", 1), -1);
  EXPECT_EQ(list.SetCellText(0, 1, "x"), -1);
  EXPECT_EQ(list.CountColumns(), 0);
  EXPECT_EQ(list.CountRows(), 0);
  LPARAM param = 77;
  EXPECT_EQ(list.GetRowParam(0, &param), 0);
  EXPECT_EQ(param, 77);
}

TEST(ListViewControlTest, ColumnsAreCountedAndWidthMinusOneMeansHundred) {
  TestWindow parent;
  ListViewControl list;
  list.Attach(CreateList(parent.Window()));
  EXPECT_EQ(list.CountColumns(), 0);
  EXPECT_EQ(list.InsertColumn(0, "回数", 37, LVCFMT_LEFT), 0);
  EXPECT_EQ(list.InsertColumn(1, "経過時間", -1, LVCFMT_LEFT), 1);
  EXPECT_EQ(list.InsertColumn(2, "平均時間", 75, LVCFMT_LEFT), 2);
  EXPECT_EQ(list.CountColumns(), 3);
  EXPECT_EQ(SendMessageA(list.Window(), LVM_GETCOLUMNWIDTH, 0, 0), 37);
  EXPECT_EQ(SendMessageA(list.Window(), LVM_GETCOLUMNWIDTH, 1, 0), 100);
  // Inserting at a position moves the later columns along.
  EXPECT_EQ(list.InsertColumn(1, "開始時間", 75, LVCFMT_LEFT), 1);
  EXPECT_EQ(list.CountColumns(), 4);
  SendMessageA(list.Window(), LVM_DELETECOLUMN, 0, 0);
  EXPECT_EQ(list.CountColumns(), 3);
}

TEST(ListViewControlTest, RowsCarryTheirParameterAndCellTexts) {
  TestWindow parent;
  ListViewControl list;
  list.Attach(CreateList(parent.Window()));
  list.InsertColumn(0, "回数", 37, LVCFMT_LEFT);
  list.InsertColumn(1, "経過時間", 75, LVCFMT_LEFT);
  EXPECT_EQ(list.InsertRow(0, "1", 0), 0);
  EXPECT_EQ(list.InsertRow(1, "2", 1), 1);
  EXPECT_NE(list.SetCellText(1, 1, "00:00:02:000"), 0);
  EXPECT_EQ(list.CountRows(), 2);
  EXPECT_EQ(ListCellText(list.Window(), 1, 0), "2");
  EXPECT_EQ(ListCellText(list.Window(), 1, 1), "00:00:02:000");
  LPARAM param = -5;
  EXPECT_EQ(list.GetRowParam(0, &param), 1);
  EXPECT_EQ(param, 0);
  EXPECT_EQ(list.GetRowParam(1, &param), 1);
  EXPECT_EQ(param, 1);
  EXPECT_EQ(list.GetRowParam(7, &param), 0);  // no such row
  // Setting a cell's text alone leaves the row's parameter as it was.
  list.SetCellText(1, 0, "two");
  EXPECT_EQ(list.GetRowParam(1, &param), 1);
  EXPECT_EQ(param, 1);
}

TEST(ListViewControlTest, DestroysAWindowStillAttachedWhenItEnds) {
  TestWindow parent;
  HWND window = nullptr;
  {
    ListViewControl list;
    window = CreateList(parent.Window());
    list.Attach(window);
    ASSERT_TRUE(IsWindow(window));
  }
  EXPECT_FALSE(IsWindow(window));
}

TEST(ListViewControlTest, AWindowAlreadyDestroyedIsLeftAlone) {
  TestWindow parent;
  ListViewControl list;
  HWND window = CreateList(parent.Window());
  list.Attach(window);
  DestroyWindow(window);
  EXPECT_EQ(list.CountRows(), 0);
  EXPECT_EQ(list.CountColumns(), 0);
}

}  // namespace
