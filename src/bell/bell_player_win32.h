// Plays the bell sound file through the media control interface, one device at
// a time. Every failure is silent to the user; operations report success.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "bell/bell_device_win32.h"

class BellPlayer {
 public:
  // Sends every command through device, which must outlive the player.
  explicit BellPlayer(BellDevice& device);
  // Stops and closes a device that is still open.
  ~BellPlayer();
  BellPlayer(const BellPlayer&) = delete;
  BellPlayer& operator=(const BellPlayer&) = delete;

  // Opens a device for the file at path (device type by extension; a path
  // without a drive is taken relative to the current directory). A device
  // still open is closed first, so at most one is ever open. On failure no
  // device is open afterwards.
  bool Open(const char* path);
  // Plays the open device from its start, asynchronously; MM_MCINOTIFY goes to
  // notify when it ends. On failure the device is closed. False without a device.
  bool Play(HWND notify);
  // Stops playing. On failure the device is closed. False without a device.
  bool Stop();
  // Closes the device (if any) and forgets it. Returns 1 whatever MCI answers:
  // a device that will not close is forgotten all the same, since nothing more
  // can be done with it.
  int Close();

  // The system's asterisk sound: the bell when no file is set.
  void Beep() { device_.Beep(MB_ICONASTERISK); }

  // The open device, 0 when none.
  UINT DeviceId() const { return deviceId_; }

 private:
  BellDevice& device_;
  UINT deviceId_;
};
