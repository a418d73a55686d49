// The platform's open and save dialogs behind one small interface, so that the
// pages that ask for a file can be driven by tests without a modal loop.
#pragma once

#include <windows.h>

// Title of the open dialog.
extern const char kChooseFileTitle[];

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The open dialog. fileName holds the proposed name on entry (may be empty)
  // and the chosen full path on return; fileNameSize is the room the dialog may
  // use, terminator included. filter is a list of label NUL pattern NUL pairs
  // ended by one more NUL; its first row is preselected. The chosen file must
  // exist. Returns whether the user confirmed a file.
  virtual bool ChooseOpen(HWND owner, char* fileName, DWORD fileNameSize, const char* filter) = 0;
  // The save dialog with an overwrite prompt. path (260 bytes) holds the initial
  // name and receives the chosen path; defaultExtension (without the dot) is
  // added to a name typed without one.
  virtual bool ChooseSave(HWND owner, const char* filter, const char* defaultExtension,
                          char* path) = 0;
};

class SystemFileChooser : public FileChooser {
 public:
  // The read-only box is hidden. The current directory is restored whatever
  // the dialog did, since the program resolves bare names against it.
  bool ChooseOpen(HWND owner, char* fileName, DWORD fileNameSize, const char* filter) override;
  // Empty title and folder, read-only box hidden, current folder kept.
  bool ChooseSave(HWND owner, const char* filter, const char* defaultExtension,
                  char* path) override;
};
