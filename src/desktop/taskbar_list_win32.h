// The taskbar button's progress through the taskbar list (version 3, Windows 7
// and later). The list can only be made once the button exists, which the
// system announces with the registered "TaskbarButtonCreated" message; before
// that, and where the system has no such list, the progress is only kept.
#pragma once

#include <windows.h>

#include "desktop/desktop_presence.h"

struct ITaskbarList3;

class TaskbarList : public desktop::TaskbarProgress {
 public:
  TaskbarList() = default;
  // On a list made elsewhere (a test's recorder), held until the end; Attach
  // then only names the window.
  explicit TaskbarList(ITaskbarList3* list);
  ~TaskbarList() override;
  TaskbarList(const TaskbarList&) = delete;
  TaskbarList& operator=(const TaskbarList&) = delete;

  // The message number the system sends when the button is (re)created.
  static UINT ButtonCreatedMessage();
  // The button of window exists now: makes the list (once). False where the
  // system has none; the progress is then left out silently.
  bool Attach(HWND window);
  bool Attached() const { return list_ != nullptr; }

  void Show(const desktop::ProgressView& view) override;

 private:
  HWND window_ = nullptr;
  ITaskbarList3* list_ = nullptr;
  bool comStarted_ = false;
};
