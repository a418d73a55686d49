// Plays the bell sound file through the media control interface, one device at
// a time. Every failure is silent to the user; operations report success.
#ifndef MIPO_BELL_BELL_PLAYER_WIN32_H
#define MIPO_BELL_BELL_PLAYER_WIN32_H

#include <windows.h>

#include <mmsystem.h>

class BellPlayer {
 public:
  // The command sender; tests substitute a recorder for mciSendCommandA.
  using CommandSender = MCIERROR(WINAPI*)(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR);

  BellPlayer();
  explicit BellPlayer(CommandSender sender);
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
  // Closes the device (if any) and forgets it. Always 1.
  int Close();

  // The open device, 0 when none.
  UINT DeviceId() const { return deviceId_; }

 private:
  CommandSender send_;
  UINT deviceId_;
};

#endif  // MIPO_BELL_BELL_PLAYER_WIN32_H
