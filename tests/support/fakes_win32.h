// The stand-ins every Windows suite shares for the platform's services: the
// file choosers, the message boxes and the others below. One of each; what a
// test needs to see, they record.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bell/bell_device_win32.h"
#include "desktop/document_opener_win32.h"
#include "display/monitors_win32.h"
#include "settings/file_chooser_win32.h"
#include "timer/preset_name_dialog_win32.h"
#include "support/fakes.h"
#include "ui/message_box_win32.h"

namespace fakes {

// What a chooser was last asked.
struct ChooserCall {
  int calls = 0;
  HWND owner = nullptr;
  std::string filter;  // both NULs at its end included
  std::string defaultExtension;
  std::string initialName;     // the name buffer as handed in
  bool bufferAllZero = false;  // the save dialog's 260 bytes, as handed in
};

// Answers both dialogs with answer, or cancels while it is empty.
class FileChooser : public ::FileChooser {
 public:
  bool ChooseOpen(HWND owner, char* fileName, DWORD size, const char* filter) override {
    Record(owner, filter, "", fileName);
    proposals.push_back(fileName);
    if (answer.empty())
      return false;
    snprintf(fileName, size, "%s", answer.c_str());
    return true;
  }
  bool ChooseSave(HWND owner, const char* filter, const char* defaultExtension,
                  char* path260) override {
    Record(owner, filter, defaultExtension, path260);
    call.bufferAllZero = true;
    for (int i = 0; i < 260; ++i) call.bufferAllZero = call.bufferAllZero && path260[i] == 0;
    if (answer.empty())
      return false;
    snprintf(path260, 260, "%s", answer.c_str());
    return true;
  }
  std::string answer;
  ChooserCall call;
  std::vector<std::string> proposals;  // the open dialog's proposed names

 private:
  void Record(HWND owner, const char* filter, const char* extension, const char* name) {
    ++call.calls;
    call.owner = owner;
    size_t length = 0;
    while (filter[length] != '\0' || filter[length + 1] != '\0') ++length;
    call.filter.assign(filter, length + 2);
    call.defaultExtension = extension;
    call.initialName = name;
  }
};

// Records each box and answers OK.
class MessageBoxes : public ::MessageBoxes {
 public:
  struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
  };
  int Show(HWND owner, const char* text, const char* caption, UINT type) override {
    boxes.push_back({owner, text, caption, type});
    return IDOK;
  }
  std::vector<Box> boxes;
};

// Answers the name dialog with answer and OK, or cancels while it is null.
class PresetNameAsker : public ::PresetNameAsker {
 public:
  int Ask(HWND, char* buffer) override {
    ++asks;
    if (answer == nullptr)
      return IDCANCEL;
    lstrcpynA(buffer, answer, kPresetNameBufferSize);
    return IDOK;
  }
  const char* answer = nullptr;
  int asks = 0;
};

// Records every command the bell player sends and every system sound asked
// for; opens devices 7, 8, ... and fails the command named in failing.
class BellDevice : public ::BellDevice {
 public:
  struct Sent {
    UINT device;
    UINT message;
    DWORD_PTR flags;
    std::string deviceType;  // MCI_OPEN
    std::string element;     // MCI_OPEN
    DWORD_PTR callback;      // MCI_PLAY
  };
  MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parms) override {
    Sent c = {device, message, flags, "", "", 0};
    if (message == MCI_OPEN) {
      MCI_OPEN_PARMSA* open = reinterpret_cast<MCI_OPEN_PARMSA*>(parms);
      c.deviceType = open->lpstrDeviceType;
      c.element = open->lpstrElementName;
      if (failing != MCI_OPEN)
        open->wDeviceID = nextDevice++;
    }
    if (message == MCI_PLAY)
      c.callback = reinterpret_cast<MCI_PLAY_PARMS*>(parms)->dwCallback;
    sent.push_back(c);
    return message == failing ? MCIERR_INTERNAL : 0;
  }
  void Beep(UINT type) override { beeps.push_back(type); }
  std::vector<UINT> Messages() const {
    std::vector<UINT> out;
    for (const Sent& c : sent) out.push_back(c.message);
    return out;
  }
  std::vector<Sent> sent;
  std::vector<UINT> beeps;
  UINT failing = 0;  // the command that fails, 0 for none
  UINT nextDevice = 7;
};

// Records the documents it is asked to open; answers as the test sets it
// (true: the shell took it).
class DocumentOpener : public ::DocumentOpener {
 public:
  bool Open(HWND, const char* path) override {
    opened.push_back(path);
    return answer;
  }
  bool answer = true;
  std::vector<std::string> opened;
};

// A monitor set by the test; by default the primary screen.
class MonitorLookup : public ::MonitorLookup {
 public:
  RECT AreaOf(HWND window) override {
    asked = window;
    return area;
  }
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  HWND asked = nullptr;
};

// Monitors set by the test (the first is the primary): a window is held by the
// one that holds the centre of its rectangle, else by the first.
class DisplayMonitors : public ::DisplayMonitors {
 public:
  HMONITOR Holding(HWND window) override {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    size_t index = 0;
    for (size_t i = 0; i < areas.size(); ++i) {
      if (PtInRect(&areas[i], centre))
        index = i;
    }
    return reinterpret_cast<HMONITOR>(index + 1);
  }
  bool Area(HMONITOR monitor, RECT* area) override {
    const size_t index = reinterpret_cast<size_t>(monitor) - 1;
    if (index >= areas.size())
      return false;
    *area = areas[index];
    return true;
  }
  std::vector<RECT> areas;
};

// The system's taskbar list, recording the progress calls the wrapper makes
// ("value 3/10", "state 2"); the other calls succeed and do nothing.
class TaskbarList3 : public ITaskbarList3 {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE HrInit() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND, WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetProgressValue(HWND window, ULONGLONG done,
                                             ULONGLONG total) override {
    calls.push_back("value " + std::to_string(done) + "/" + std::to_string(total));
    lastWindow = window;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetProgressState(HWND window, TBPFLAG flags) override {
    calls.push_back("state " + std::to_string(static_cast<int>(flags)));
    lastWindow = window;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RegisterTab(HWND, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterTab(HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetTabOrder(HWND, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetTabActive(HWND, HWND, DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND, UINT, LPTHUMBBUTTON) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND, UINT, LPTHUMBBUTTON) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND, HIMAGELIST) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND, HICON, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND, RECT*) override { return S_OK; }

  std::vector<std::string> calls;
  HWND lastWindow = nullptr;
  ULONG references = 1;
};

}  // namespace fakes
