// The one dialog procedure and the one window procedure of the program.
//
// A dialog or window object binds itself to its window when the window is
// created (WM_INITDIALOG or WM_CREATE carries the object as creation parameter)
// and is found again through the window's user data. Messages that arrive
// before that get the default handling. The procedures turn each message into a
// call of a virtual handler with typed arguments, store a dialog's message
// result in the one place it belongs, and are the only places where a C++
// exception is caught: nothing may unwind through the system's window code, so
// an escaped exception is reported to the debugger output and the message gets
// the default handling.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/template_layout_win32.h"

// What dialogs and windows share: the handlers, the message cracker and the
// dots per inch the window is laid out for.
//
// Scaling is one protocol for every window of a tree. A window starts at its
// parent's dots per inch when its parent is one of the program's windows (so
// a page made after the main window moved to another monitor is made for that
// monitor), at its monitor's otherwise. When a top-level window hears
// WM_DPICHANGED, the framework tells it and then every window inside it,
// parents before their children, with OnDpiChanged; each lays itself out for
// the new dpi, and only then does the top-level window take its new rectangle
// (PlaceAfterDpiChange), so the sizes it answers while it moves are the new
// dpi's already.
class MessageTarget {
 public:
  MessageTarget() = default;
  // A window that outlives its object is unbound first, so no message reaches
  // the object being destroyed, and then destroyed: nothing is left pointing
  // at freed memory. The object's handlers do not run for it: what a window
  // saves as it goes, it saves when it is destroyed while its object is whole,
  // as the program's windows are (they die with the main dialog).
  virtual ~MessageTarget();
  MessageTarget(const MessageTarget&) = delete;
  MessageTarget& operator=(const MessageTarget&) = delete;

  HWND Window() const { return window_; }
  // The child control with the given id, or null while there is no window.
  HWND Item(int id) const { return window_ != nullptr ? GetDlgItem(window_, id) : nullptr; }
  // The dots per inch the window is laid out for (96 before it exists).
  int Dpi() const { return dpi_; }

 protected:
  // Each handler returns whether it handled the message; a handler that does
  // not stays with the default handling.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  // *result is what the sender gets back; it starts at 0.
  virtual bool OnNotify(NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
  virtual void OnSize(UINT /*type*/, int /*width*/, int /*height*/) {}
  virtual bool OnContextMenu(HWND /*source*/, LPARAM /*screenPoint*/) { return false; }
  virtual void OnDestroy() {}
  // The last message the window gets: the object forgets the window after it.
  virtual void OnNcDestroy() {}
  // The window is laid out for newDpi from now on (Dpi() says so already;
  // a dialog's template controls and font are there too): it lays itself out
  // again from its client size, as it stands before the top-level window
  // takes its new rectangle.
  virtual void OnDpiChanged(int /*newDpi*/, int /*oldDpi*/) {}
  // A top-level window whose whole tree followed a change of scaling takes
  // its new rectangle; by default the one the system suggests.
  virtual void PlaceAfterDpiChange(const RECT& suggested);
  // Every other message, the program's private ones included.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         LRESULT* /*result*/) {
    return false;
  }

  // Calls the handler for message; false when none handled it.
  bool Crack(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Takes the window at creation: user data, window_, the starting dpi.
  void Bind(HWND window);
  // Forgets the window after its last message.
  void Unbind();
  // Reports an exception that reached a procedure to the debugger output.
  static void ReportEscapedException(const char* what);

 private:
  // Lays the window out for dpi (nothing when it already is).
  void ChangeDpi(int dpi);
  // What a dialog does first at a new dpi: its template's controls and font.
  virtual void ApplyTemplateAt(int /*dpi*/) {}

  HWND window_ = nullptr;
  int dpi_ = kDesignDpi;
};

// A dialog from a template: modal or modeless, owned by the caller.
class Dialog : public MessageTarget {
 public:
  // Runs the dialog modally; the result of EndDialog, or -1 when the template
  // could not be made into a dialog.
  INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner);
  // Creates the dialog modeless (hidden unless the template says visible).
  HWND CreateModeless(HINSTANCE instance, int templateId, HWND parent);

 protected:
  // The dialog exists with its controls, at Dpi(). Returns whether the dialog
  // manager should give the focus to the first control (false: the handler
  // chose).
  virtual bool OnInitDialog() { return true; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Puts the template's controls and font where the template places them at
  // dpi (the system's own re-scaling is off); the dialog lays out the rest.
  void ApplyTemplateAt(int dpi) override;

  HINSTANCE templateInstance_ = nullptr;
  int templateId_ = 0;
  TemplateLayout templateLayout_;
};

// A window of a registered class whose procedure is WindowObject::Procedure.
class WindowObject : public MessageTarget {
 public:
  // The procedure to name in the window class.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Creates the window with this object as creation parameter.
  HWND CreateBound(DWORD exStyle, const char* className, DWORD style, int x, int y, int width,
                   int height, HWND parent, HINSTANCE instance);
  // The window exists (WM_CREATE); false makes creation fail.
  virtual bool OnCreate() { return true; }
  // The default validates what it is asked to paint and draws nothing, so a
  // window that does not draw is not asked again and again.
  virtual void OnPaint();
  virtual bool OnKeyDown(WPARAM /*key*/, LPARAM /*flags*/) { return false; }
  virtual bool OnLButtonDown(WPARAM /*keys*/, LPARAM /*point*/) { return false; }
  virtual bool OnRButtonDown(WPARAM /*keys*/, LPARAM /*point*/) { return false; }

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
};
