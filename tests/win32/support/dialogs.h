// Dialogs of the system and of the program as a test meets them: finding one
// among a thread's windows, and playing the user at a modal loop (a dialog, a
// message box, a common dialog, a popup menu) from that loop itself, without
// a thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A window of the dialog class (#32770): a dialog, a message box, a common dialog.
bool IsDialog(HWND window);
// A message box: a dialog with the text static 0xFFFF and no edit field (the
// program's own dialogs may use 0xFFFF for their unnamed labels too).
bool IsMessageBox(HWND window);
// The first visible top-level dialog of thread, or of another program's
// process, that match accepts; null when none.
HWND FindDialog(DWORD thread, const std::function<bool(HWND)>& match);
HWND FindProcessDialog(DWORD process, const std::function<bool(HWND)>& match);

// Plays the user at the next modal loop of this thread. A timer of the thread
// tries the current step each time it fires inside the loop; a step returns
// true once it has done its part, and the next step is tried at the next
// firing. Steps post what they press (a sent click that opens another modal
// loop would hold the script). What is not done within the limit is given up:
// every dialog of the thread is cancelled, so a test never hangs on one.
class ModalScript {
 public:
  using Step = std::function<bool()>;
  explicit ModalScript(std::vector<Step> steps, DWORD limitMs = 5000);
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // Every step was done in time.
  bool Done() const { return !gaveUp_ && next_ == steps_.size(); }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD);
  void Play();

  std::vector<Step> steps_;
  size_t next_ = 0;
  DWORD started_;
  DWORD limitMs_;
  UINT_PTR timer_;
  bool playing_ = false;
  bool gaveUp_ = false;
};

// A step that waits for the first visible dialog of this thread that match
// accepts and hands it to found (which may press something).
ModalScript::Step WhenDialog(std::function<bool(HWND)> match, std::function<void(HWND)> found);
// A step that waits for a popup menu (#32768) on the screen and hands it, with
// its place, to found.
ModalScript::Step WhenMenu(std::function<void(HWND, const RECT&)> found);
// Posts the click of button id to dialog.
void PostClick(HWND dialog, int id);

}  // namespace testing_support
