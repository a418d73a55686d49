#include "desktop/taskbar_list_win32.h"

#include <objbase.h>
#include <shobjidl.h>

namespace {

// The list's class and interface ids, written out: the SDK's uuid library keeps
// every id it knows in one object, and naming these two would link all of it
// (35 KB) into the program.
const CLSID kTaskbarListClass = {
    0x56fdf344, 0xfd6d, 0x11d0, {0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90}};
const IID kTaskbarList3Interface = {
    0xea1afb91, 0x9e28, 0x4b86, {0x90, 0xe9, 0x9e, 0x9f, 0x8a, 0x5e, 0xef, 0xaf}};

}  // namespace

TaskbarList::TaskbarList(ITaskbarList3* list) : list_(list) {
  if (list_ != nullptr)
    list_->AddRef();
}

TaskbarList::~TaskbarList() {
  if (list_ != nullptr)
    list_->Release();
  if (comStarted_)
    CoUninitialize();
}

UINT TaskbarList::ButtonCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarButtonCreated");
  return message;
}

bool TaskbarList::Attach(HWND window) {
  window_ = window;
  if (list_ != nullptr)
    return true;
  if (!comStarted_) {
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already started on this thread, which still wants its balance.
    comStarted_ = started == S_OK || started == S_FALSE;
  }
  void* made = nullptr;
  if (FAILED(CoCreateInstance(kTaskbarListClass, nullptr, CLSCTX_INPROC_SERVER,
                              kTaskbarList3Interface, &made)) ||
      made == nullptr) {
    return false;
  }
  ITaskbarList3* list = static_cast<ITaskbarList3*>(made);
  if (FAILED(list->HrInit())) {
    list->Release();
    return false;
  }
  list_ = list;
  return true;
}

void TaskbarList::Show(const desktop::ProgressView& view) {
  if (list_ == nullptr || window_ == nullptr)
    return;
  TBPFLAG flag = TBPF_NOPROGRESS;
  switch (view.state) {
    case desktop::kNormalProgress:
      flag = TBPF_NORMAL;
      break;
    case desktop::kPausedProgress:
      flag = TBPF_PAUSED;
      break;
    case desktop::kErrorProgress:
      flag = TBPF_ERROR;
      break;
    case desktop::kIndeterminateProgress:
      flag = TBPF_INDETERMINATE;
      break;
    default:
      break;
  }
  // The value first: setting it would turn an indeterminate or empty button
  // back to normal.
  if (flag == TBPF_NORMAL || flag == TBPF_PAUSED || flag == TBPF_ERROR) {
    list_->SetProgressValue(window_, static_cast<ULONGLONG>(view.done),
                            static_cast<ULONGLONG>(view.total));
  }
  list_->SetProgressState(window_, flag);
}
