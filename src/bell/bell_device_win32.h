// The media control interface as the bell player uses it: one command at a
// time. The program sends through the system's MCI; tests record instead.
#pragma once

#include <windows.h>

#include <mmsystem.h>

class BellDevice {
 public:
  virtual ~BellDevice() = default;
  // Sends one MCI command; 0 on success, an MCI error code otherwise.
  virtual MCIERROR Send(MCIDEVICEID device, UINT command, DWORD_PTR flags,
                        DWORD_PTR parameters) = 0;
};

// mciSendCommandA.
class MciBellDevice : public BellDevice {
 public:
  MCIERROR Send(MCIDEVICEID device, UINT command, DWORD_PTR flags, DWORD_PTR parameters) override {
    return mciSendCommandA(device, command, flags, parameters);
  }
};
