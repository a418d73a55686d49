#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "stopwatch/lap_export_win32.h"
#include "stopwatch_page_harness.h"

namespace {

class StopwatchPageExportTest : public ::testing::Test {
 protected:
  static fakes::LocalClock ClockAt(int hour, int minute, int second, int milliseconds) {
    fakes::LocalClock clock;
    clock.now.day = 12;
    clock.Set(hour, minute, second, milliseconds);
    return clock;
  }
  // A run at the finest accuracy from 23:59:59.500: a lap after one second,
  // the stop half a second later.
  void RunTwoLaps() {
    h_.Open();
    h_.Command(IDC_SW_START);
    h_.Ticks(1000);
    h_.Command(IDC_SW_START);
    h_.Ticks(500);
    h_.Command(IDC_SW_STOP);
    ASSERT_EQ(h_.Rows(), 2);
  }

  fakes::LocalClock clock_ = ClockAt(23, 59, 59, 500);
  fakes::FileChooser chooser_;
  StopwatchPageHarness h_{"page-export", false, &clock_, &chooser_};
};

const char kHeader[] = "回数,開始時間,計測時間,経過時間,開始からの経過時間,累積時間,平均時間\r\n";

TEST_F(StopwatchPageExportTest, SaveCommandWritesTheRunAsCsv) {
  RunTwoLaps();
  chooser_.answer = h_.Folder() + "\\run.csv";
  h_.Command(IDM_SW_EXPORT_CSV);
  EXPECT_EQ(chooser_.call.calls, 1);
  EXPECT_EQ(testing_support::ReadFileBytes(chooser_.answer),
            std::string(kHeader) +
                "\"1\",\"23:59:59.500\",\"00:00:00.500\",\"00:00:01:000\",\"00:00:01:000\","
                "\"00:00:01:000\",\"00:00:01:000\"\r\n"
                "\"2\",\"23:59:59.500\",\"00:00:01.000\",\"00:00:00:500\",\"00:00:01:500\","
                "\"00:00:01:500\",\"00:00:00:750\"\r\n");
}

TEST_F(StopwatchPageExportTest, CopyCommandPutsTheRunOnTheClipboard) {
  RunTwoLaps();
  h_.Command(IDM_SW_COPY_CLIPBOARD);
  EXPECT_EQ(
      ClipboardText(h_.Page().Window()),
      std::string(kHeader) +
          "1 23:59:59.500 00:00:00.500 00:00:01:000 00:00:01:000 00:00:01:000 00:00:01:000\r\n"
          "2 23:59:59.500 00:00:01.000 00:00:00:500 00:00:01:500 00:00:01:500 00:00:00:750\r\n");
}

TEST_F(StopwatchPageExportTest, ColumnsSwitchedOffFromTheMenuAreLeftOut) {
  h_.Open();
  h_.Command(IDM_SW_COLUMN_START_TIME);
  h_.Command(IDM_SW_COLUMN_CUMULATIVE);
  h_.Command(IDC_SW_START);
  h_.Ticks(250);
  h_.Command(IDC_SW_STOP);
  chooser_.answer = h_.Folder() + "\\five.csv";
  h_.Command(IDM_SW_EXPORT_CSV);
  EXPECT_EQ(testing_support::ReadFileBytes(chooser_.answer),
            "回数,計測時間,経過時間,開始からの経過時間,平均時間\r\n"
            "\"1\",\"23:59:59.750\",\"00:00:00:250\",\"00:00:00:250\",\"00:00:00:250\"\r\n");
}

TEST_F(StopwatchPageExportTest, NothingIsAskedWhileRunningOrWithAnEmptyList) {
  h_.Open();
  h_.Command(IDM_SW_EXPORT_CSV);
  EXPECT_EQ(chooser_.call.calls, 0);
  h_.Command(IDC_SW_START);
  h_.Command(IDC_SW_START);  // a lap: one row, still running
  ASSERT_EQ(h_.Rows(), 1);
  h_.Command(IDM_SW_EXPORT_CSV);
  EXPECT_EQ(chooser_.call.calls, 0);
}

TEST_F(StopwatchPageExportTest, CancelledSaveWritesNothing) {
  RunTwoLaps();
  h_.Command(IDM_SW_EXPORT_CSV);
  EXPECT_EQ(chooser_.call.calls, 1);
  bool exists = true;
  testing_support::ReadFileBytes(h_.Folder() + "\\run.csv", &exists);
  EXPECT_FALSE(exists);
}

}  // namespace
