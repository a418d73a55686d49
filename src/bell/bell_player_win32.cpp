#include "bell/bell_player_win32.h"

#include "bell/bell_rules.h"
#include "settings/path_rules.h"

BellPlayer::BellPlayer(BellDevice& device) : device_(device), deviceId_(0) {}

BellPlayer::~BellPlayer() {
  if (deviceId_ != 0) {
    Stop();
    Close();
  }
}

bool BellPlayer::Open(const char* path) {
  // Opening over an open device would leave it playing with no way to close it.
  if (deviceId_ != 0)
    Close();
  if (path == nullptr)
    return false;

  char currentDir[kPathBufferSize] = {};
  const DWORD dirLength = GetCurrentDirectoryA(sizeof currentDir, currentDir);
  if (dirLength == 0 || dirLength >= sizeof currentDir)
    currentDir[0] = '\0';
  char element[kPathBufferSize];
  if (!BellElementName(path, currentDir, element, sizeof element))
    return false;

  MCI_OPEN_PARMSA open = {};
  open.lpstrDeviceType = BellDeviceType(path);
  open.lpstrElementName = element;
  if (device_.Send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                   reinterpret_cast<DWORD_PTR>(&open)) != 0) {
    return false;
  }
  deviceId_ = open.wDeviceID;
  return true;
}

bool BellPlayer::Play(HWND notify) {
  if (deviceId_ == 0)
    return false;
  MCI_SEEK_PARMS seek = {};
  if (device_.Send(deviceId_, MCI_SEEK, MCI_SEEK_TO_START, reinterpret_cast<DWORD_PTR>(&seek)) ==
      0) {
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(notify);
    if (device_.Send(deviceId_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)) == 0) {
      return true;
    }
  }
  Close();
  return false;
}

bool BellPlayer::Stop() {
  if (deviceId_ == 0)
    return false;
  MCI_GENERIC_PARMS stop = {};
  if (device_.Send(deviceId_, MCI_STOP, 0, reinterpret_cast<DWORD_PTR>(&stop)) == 0)
    return true;
  Close();
  return false;
}

int BellPlayer::Close() {
  if (deviceId_ != 0) {
    MCI_GENERIC_PARMS close = {};
    device_.Send(deviceId_, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&close));
    deviceId_ = 0;
  }
  return 1;
}
