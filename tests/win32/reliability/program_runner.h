// Runs the built program as a user would, each time from a private copy: the
// executable and both hook libraries in a fresh folder, started as its own
// process, its windows found by title, message boxes answered, closed through
// the system menu's close command.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace reliability {

// A fresh folder for one case: <test-data>/rel/<name>, emptied first.
std::string FreshCaseFolder(const std::string& name);

// Creates every missing level of folder (which may hold cp932 double-byte names).
bool MakeFolders(const std::string& folder);

// Copies MipoWatch.exe, KeyHook.dll and MouseHook.dll into folder (created as
// needed). Returns false when a copy failed.
bool InstallProgram(const std::string& folder);

// Every file and folder under root, as paths relative to it, sorted.
std::vector<std::string> ListTree(const std::string& root);

// Entries of after that are not in before and do not lie under allowed (a
// path relative to the same root, "" for none).
std::vector<std::string> NewEntriesOutside(const std::vector<std::string>& before,
                                           const std::vector<std::string>& after,
                                           const std::string& allowed);

// Whether bytes are an INI file the profile functions and a person can both
// read: CR LF lines, each blank, "[name]" or "key=value", no NUL byte, no
// section twice, no key twice in a section, no key before the first section.
bool IsWellFormedIni(const std::string& bytes, std::string* why);

// The title the main window has while the stopwatch or the timer page is open.
extern const char kStopwatchTitle[];
extern const char kTimerTitle[];

// One running copy of the program. The destructor ends a copy that is still
// running (a test that failed half-way) so that no process is left behind.
class RunningProgram {
 public:
  RunningProgram() = default;
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Starts folder\MipoWatch.exe from another current folder. A non-empty user
  // makes the program see that name as the logged-on user.
  bool Start(const std::string& folder, const std::string& user = "");
  // Starts folder\MipoWatch.exe as a user of that name. Wine takes the name
  // from USER of the Unix environment, which a Windows process cannot hand its
  // children, so the start goes through the system's env and wine commands and
  // the program's own process is found afterwards.
  bool StartAsUnixUser(const std::string& folder, const std::string& user);
  // Starts an executable given by its full path.
  bool StartPath(const std::string& exePath, const std::string& user = "");

  // Waits for the main window, answering every message box of the process on
  // the way (the first-run notices among them) and recording their texts.
  HWND WaitForMainWindow(DWORD ms = 20000);
  // Answers the message boxes showing now or within ms; returns how many.
  int AnswerBoxes(DWORD ms);
  const std::vector<std::string>& BoxTexts() const { return boxTexts_; }
  const std::vector<std::string>& BoxCaptions() const { return boxCaptions_; }

  // The main window's title now.
  std::string MainTitle() const;
  // Moves the main window to the next tab as the keyboard would (the tab
  // control sends its own notifications), answering boxes that appear.
  void NextTab();
  void PreviousTab();
  // Sends a message to a window of the program, giving up after five seconds
  // (a program that hangs must fail the case, not stop the suite). -1 then.
  LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // A control of the open page by its id (the page dialogs are children of the
  // main window), or null.
  HWND PageControl(int id) const;

  // Closes the main window through its system menu and waits for the process
  // to end, answering boxes meanwhile. Returns the exit code, or -1 when the
  // process did not end in time.
  long Close(DWORD ms = 20000);
  // Waits for the process to end by itself. Exit code, or -1.
  long WaitForExit(DWORD ms);
  bool Running() const;
  DWORD ProcessId() const { return process_.dwProcessId; }
  HWND MainWindow() const { return main_; }

 private:
  // Answers the boxes now on screen that were not answered before; tells
  // whether any box is showing and which window is the main one.
  int AnswerVisibleBoxes(bool* anyShown, HWND* main);

  PROCESS_INFORMATION process_ = {};
  bool started_ = false;
  HWND main_ = nullptr;
  std::vector<HWND> answered_;
  std::vector<std::string> boxTexts_;
  std::vector<std::string> boxCaptions_;
};

}  // namespace reliability
