// Recording stand-ins for what the stopwatch engine asks of its page: the lap
// list's rows and the page's buttons and status text.
#pragma once

#include <string>
#include <vector>

#include "stopwatch/stopwatch_engine.h"

namespace stopwatch_test {

struct Row {
  std::vector<std::string> cells;
  int parameter;
};

class FakeRows : public LapRows {
 public:
  int CountRows() override { return static_cast<int>(rows.size()); }
  int InsertRow(int index, const char* firstCell, int parameter) override {
    if (index != CountRows())
      return -1;  // the engine only appends
    rows.push_back(Row{{firstCell}, parameter});
    return index;
  }
  void SetCell(int row, int position, const char* text) override {
    std::vector<std::string>& cells = rows.at(row).cells;
    if (static_cast<int>(cells.size()) <= position)
      cells.resize(position + 1);
    cells[position] = text;
  }
  void EnsureVisible(int row) override { lastVisible = row; }
  void DeleteAllRows() override {
    rows.clear();
    ++clears;
  }
  std::vector<Row> rows;
  int lastVisible = -1;
  int clears = 0;
};

class FakeControls : public StopwatchControls {
 public:
  void SetStartCaption(const char* text) override { startCaption = text; }
  void SetModeCaption(const char* text) override { modeCaption = text; }
  void EnableStart(bool enable) override { startEnabled = enable; }
  void EnableStop(bool enable) override { stopEnabled = enable; }
  void EnableSetup(bool enable) override { setupEnabled = enable; }
  void SetStatus(const char* text) override { status = text; }
  std::string startCaption = "スタート";
  std::string modeCaption = "ラップ";
  bool startEnabled = true;
  bool stopEnabled = false;
  bool setupEnabled = true;
  std::string status;
};

}  // namespace stopwatch_test
