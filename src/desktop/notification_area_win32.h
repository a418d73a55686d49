// The program's icon in the shell's notification area (Shell_NotifyIconA),
// belonging to the main window, which gets the icon's events as a message of
// its own. The structure handed to the shell has the form the running shell
// knows (shell32's version), the behaviour is version 4 where the shell takes
// it and 3 otherwise, and the icons are the program's icon at the system's small
// icon size with the state's mark painted over it.
#pragma once

#include <windows.h>

#include "desktop/notification_area.h"
#include "desktop/notification_area_icon.h"

class ShellNotificationIcon : public desktop::NotificationIcon {
 public:
  ShellNotificationIcon();
  // Removes an icon still shown and releases the icons made.
  ~ShellNotificationIcon() override;
  ShellNotificationIcon(const ShellNotificationIcon&) = delete;
  ShellNotificationIcon& operator=(const ShellNotificationIcon&) = delete;

  // The window the icon belongs to and the message its events come as; the
  // program's icon is the icon resource iconId of instance. Nothing is shown
  // before.
  void Bind(HWND window, UINT callbackMessage, HINSTANCE instance, int iconId);
  // The message every top-level window gets when the shell's notification
  // area was made again (Explorer started anew) and the icons in it are lost.
  static UINT AreaCreatedMessage();

  bool Add(desktop::IconMark mark, const char* tip) override;
  void Change(desktop::IconMark mark, const char* tip) override;
  void Notify(const char* caption, const char* text) override;
  void Remove() override;

  // What an event message (wParam, lParam) asks for, and where its menu opens
  // (screen pixels).
  desktop::IconAction ActionOf(WPARAM wParam, LPARAM lParam) const;
  POINT MenuPoint(WPARAM wParam) const;

  bool Shown() const { return shown_; }
  desktop::NotifyLayout Layout() const { return layout_; }
  // The behaviour version the shell accepted: 4, 3, or 0 for neither.
  unsigned Version() const { return version_; }
  // The icon shown for mark, made on first use at the current small icon size.
  HICON IconFor(desktop::IconMark mark);

 private:
  bool Send(DWORD command, UINT flags, desktop::IconMark mark, const char* tip, unsigned version);
  void ReleaseIcons();

  HWND window_ = nullptr;
  UINT message_ = 0;
  HINSTANCE instance_ = nullptr;
  int iconId_ = 0;
  HMODULE shell_ = nullptr;  // held while the icon may be asked for
  desktop::NotifyLayout layout_;
  unsigned version_ = 0;
  bool shown_ = false;
  int iconSize_ = 0;
  HICON icons_[desktop::kIconMarkCount] = {};
};

// The icon's menu: "ウィンドウを表示" (the default) and "終了", sending the given
// commands. The caller destroys it.
HMENU BuildNotificationMenu(UINT showCommand, UINT exitCommand);
// Shows that menu at point for owner and leaves the chosen command to come to
// owner as WM_COMMAND.
void OfferNotificationMenu(HWND owner, POINT at, UINT showCommand, UINT exitCommand);
