// The media control interface and the system sounds as the bell player uses
// them: one command or one sound at a time. The program sends through the
// system's MCI and MessageBeep; tests record instead.
#pragma once

#include <windows.h>

#include <mmsystem.h>

class BellDevice {
 public:
  virtual ~BellDevice() = default;
  // Sends one MCI command; 0 on success, an MCI error code otherwise.
  virtual MCIERROR Send(MCIDEVICEID device, UINT command, DWORD_PTR flags,
                        DWORD_PTR parameters) = 0;
  // Plays the system's sound of the kind given (an MB_ICON... value).
  virtual void Beep(UINT type) = 0;
};

// mciSendCommandA and MessageBeep.
class MciBellDevice : public BellDevice {
 public:
  MCIERROR Send(MCIDEVICEID device, UINT command, DWORD_PTR flags, DWORD_PTR parameters) override {
    return mciSendCommandA(device, command, flags, parameters);
  }
  void Beep(UINT type) override { MessageBeep(type); }
};
