// The program's main window as the program makes it, but modeless so a test can
// drive it: an Application on the test's settings file, with message boxes the
// test reads and either the system's clocks or two the test moves by hand.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/application_win32.h"
#include "app/main_dialog_ids.h"
#include "app/main_dialog_win32.h"
#include "base/clock_win32.h"
#include "support/fakes_win32.h"
#include "win32_test_support.h"

namespace testing_support {

class MainWindowHarness : public ::testing::Test {
 protected:
  // A fresh settings folder (folder_) for the next window. firstRunDone: the
  // first-run notices count as seen, so none interrupts the test.
  void Open(const std::string& name, bool firstRunDone = true) {
    folder_ = UseFreshSettings(name);
    if (firstRunDone)
      TestSettings().WriteString("MainDlg", "FirstFlag", "0");
  }
  // Makes the window on the settings as they stand. handClocks: the run
  // clock's two sources are fine_ and coarse_, moved by hand.
  void Create(bool handClocks = false) {
    CreateUnshown(handClocks);
    PumpMessages();
  }
  // The window as its creation leaves it, before its posted messages (the
  // placement and the show among them) are handled.
  void CreateUnshown(bool handClocks = false) {
    app_ = handClocks ? std::make_unique<Application>(TestSettings(), fine_, coarse_, boxes_)
                      : std::make_unique<Application>(TestSettings(), counter_, tickCount_, boxes_);
    dialog_ = std::make_unique<MainDialog>(*app_);
    window_ = dialog_->CreateModeless(GetModuleHandleA(nullptr));
    ASSERT_NE(window_, nullptr);
  }
  // Closes the window as the program's end does (everything saved), unless a
  // test already ended it, and lets the application go.
  void Destroy() {
    if (window_ != nullptr && IsWindow(window_))
      DestroyWindow(window_);
    window_ = nullptr;
    PumpMessages();
    dialog_.reset();
    app_.reset();
  }
  void TearDown() override { Destroy(); }

  HWND Tab() const { return GetDlgItem(window_, IDC_MAIN_TAB); }
  std::string StatusText(int page) const { return StatusBarText(dialog_->StatusBar(page)); }
  void SelectTab(int index) { testing_support::SelectTab(window_, index); }

  std::string folder_;
  fakes::MonotonicClock fine_;
  fakes::MonotonicClock coarse_;
  PerformanceCounterClock counter_;
  TickCountClock tickCount_;
  fakes::MessageBoxes boxes_;
  std::unique_ptr<Application> app_;
  std::unique_ptr<MainDialog> dialog_;
  HWND window_ = nullptr;
};

}  // namespace testing_support
