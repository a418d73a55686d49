// A real stopwatch page in a test window, with a status bar, fresh settings and
// a tick source that never ticks on its own, so runs advance only by the tick
// messages a test posts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../support/win32_test_support.h"
#include "window_test_helpers.h"
#include "ui/messages.h"
#include "settings/settings_file_win32.h"
#include "stopwatch/stopwatch_dialog_ids.h"
#include "stopwatch/stopwatch_page_win32.h"
#include "base/clock_win32.h"
#include "settings/file_chooser_win32.h"
#include "support/fakes_win32.h"

class StopwatchPageHarness {
 public:
  // visible: shown on the screen, for tests that need the window under the
  // pointer. clock and chooser, when given, stand in for the local time and the
  // save dialog; they must outlive the harness.
  StopwatchPageHarness(const std::string& name, bool visible = false, LocalClock* clock = nullptr,
                       FileChooser* chooser = nullptr)
      : folder_(testing_support::UseFreshSettings(name)),
        parent_(visible),
        statusBar_(CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, parent_.Window(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr)),
        page_(testing_support::TestSettings(), ticks_, countClock_,
              clock != nullptr ? *clock : systemClock_,
              chooser != nullptr ? *chooser : systemChooser_) {}
  StopwatchPageHarness(const StopwatchPageHarness&) = delete;
  StopwatchPageHarness& operator=(const StopwatchPageHarness&) = delete;

  void SetSetting(const char* section, const char* key, int value) {
    WritePrivateProfileStringA(section, key, std::to_string(value).c_str(),
                               testing_support::TestSettings().Path());
  }
  void SetTriggerMethods(int start, int lap, int stop) {
    SetSetting("SettingData", "StartWay", start);
    SetSetting("SettingData", "TimeWay", lap);
    SetSetting("SettingData", "EndWay", stop);
  }

  void Open() {
    page_.Open(parent_.Window(), statusBar_, 20);
    testing_support::PumpMessages();
  }

  // Posts a message to the page as another party would, and lets it be handled.
  void Post(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    PostMessageA(page_.Window(), message, wParam, lParam);
    testing_support::PumpMessages();
  }
  void Command(int id) { SendMessageA(page_.Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // Ticks of the timer service, each a period after the last.
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      countClock_.Pass(ticks_.period);
      SendMessageA(page_.Window(), WM_MIPO_STOPWATCH_TICK, 0, 0);
    }
  }

  HWND Item(int id) const { return GetDlgItem(page_.Window(), id); }
  std::string StartCaption() const {
    return testing_support::ItemText(page_.Window(), IDC_SW_START);
  }
  std::string Status() const { return testing_support::StatusBarText(statusBar_); }
  int Rows() const { return page_.LapList().CountRows(); }
  std::string Cell(int row, int column) const {
    return testing_support::ListCellText(page_.LapList().Window(), row, column);
  }

  StopwatchPage& Page() { return page_; }
  const std::string& Folder() const { return folder_; }
  HWND Parent() const { return parent_.Window(); }

 private:
  // Ended in reverse order: the page (and its window) before the parent.
  std::string folder_;
  TestWindow parent_;
  HWND statusBar_;
  fakes::TickSource ticks_;
  fakes::MonotonicClock countClock_;
  SystemLocalClock systemClock_;
  SystemFileChooser systemChooser_;
  StopwatchPage page_;
};
