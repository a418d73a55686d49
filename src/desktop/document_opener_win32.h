// Opening a document with the program the user chose for its kind (a web page
// with the browser), behind a small interface so tests open nothing.
#pragma once

#include <windows.h>
#include <shellapi.h>

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // True when the shell took the document.
  virtual bool Open(HWND owner, const char* path) = 0;
};

class ShellDocumentOpener : public DocumentOpener {
 public:
  bool Open(HWND owner, const char* path) override {
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteA(owner, "open", path, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
  }
};
