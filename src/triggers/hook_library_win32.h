// One hook library: KeyHook.dll or MouseHook.dll, loaded from the program's own
// folder at run time. Started with a window, the library reports every matching
// key or mouse event on the desktop to that window as a message; ended, it stops
// reporting and is unloaded.
#pragma once

#include <windows.h>

// What sets one library apart: its file, its two exports and the message id it
// is handed for its reports. tests/dist/check_binaries.py finds these records in
// the built program by their layout: the file name's pointer first, the export
// names' pointers right after it. Keep those three first and in this order.
struct HookLibraryTraits {
  const char* fileName;     // looked up beside the executable
  const char* startExport;  // LONG __cdecl (HWND window, UINT messageId)
  const char* endExport;    // LONG __cdecl (void)
  UINT messageId;
};

extern const HookLibraryTraits kKeyHookLibrary;    // KeyHook.dll, WM_USER+100
extern const HookLibraryTraits kMouseHookLibrary;  // MouseHook.dll, WM_USER+110

class HookLibrary {
 public:
  explicit HookLibrary(const HookLibraryTraits& traits);
  ~HookLibrary();  // ends the hook and unloads the library
  HookLibrary(const HookLibrary&) = delete;
  HookLibrary& operator=(const HookLibrary&) = delete;

  // Loads the library and starts it for window. Returns the start export's
  // result; 1 when already loaded (it stays attached to its first window); 0
  // when the file or its export is missing. A library without the export stays
  // loaded; a failed load is tried again at the next call.
  LONG StartHook(HWND window);
  // Calls the end export (when present) and unloads the library. Returns what
  // the unloading returned, or 0 when nothing was loaded.
  LONG EndHook();

  bool IsLoaded() const { return module_ != nullptr; }
  // Whether the library's start export was found and reported its hook in
  // place: only then do its reports arrive.
  bool Reporting() const { return reporting_; }
  HWND TargetWindow() const { return targetWindow_; }

 private:
  const HookLibraryTraits& traits_;
  HWND targetWindow_;
  HMODULE module_;
  bool reporting_;
};

// The full path of a file in the executable's folder, written into out (260
// bytes and the terminator). False when it does not fit.
bool PathBesideExecutable(const char* fileName, char* out, unsigned outSize);
