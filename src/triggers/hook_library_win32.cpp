#include "triggers/hook_library_win32.h"

#include <string>

#include "base/system_function_win32.h"
#include "ui/messages.h"
#include "settings/path_rules.h"
#include "settings/settings_path_win32.h"

namespace {

// The libraries' exports remove nothing from the stack themselves.
typedef LONG(__cdecl* StartHookFunction)(HWND window, UINT messageId);
typedef LONG(__cdecl* EndHookFunction)();

}  // namespace

const HookLibraryTraits kKeyHookLibrary = {"KeyHook.dll", "StartKeyHook", "EndKeyHook",
                                           WM_MIPO_KEY_HOOK};
const HookLibraryTraits kMouseHookLibrary = {"MouseHook.dll", "StartMouseHook", "EndMouseHook",
                                             WM_MIPO_MOUSE_HOOK};

bool PathBesideExecutable(const char* fileName, char* out, unsigned outSize) {
  if (out == nullptr || outSize == 0)
    return false;
  out[0] = '\0';
  const std::string folder = ProgramFolder();
  if (folder.empty())
    return false;
  return CopyBounded(out, outSize, folder + "\\" + fileName);
}

HookLibrary::HookLibrary(const HookLibraryTraits& traits)
    : traits_(traits), targetWindow_(nullptr), module_(nullptr), reporting_(false) {}

HookLibrary::~HookLibrary() {
  EndHook();
}

LONG HookLibrary::StartHook(HWND window) {
  if (module_ != nullptr)
    return 1;
  targetWindow_ = window;
  // By full path: a bare name would also search the current folder and the
  // system path, where a foreign file of the same name could be picked up.
  char path[kPathBufferSize];
  if (!PathBesideExecutable(traits_.fileName, path, sizeof path))
    return 0;
  module_ = LoadLibraryA(path);
  if (module_ == nullptr)
    return 0;
  StartHookFunction start = ExportedFunction<StartHookFunction>(module_, traits_.startExport);
  if (start == nullptr)
    return 0;
  const LONG result = start(targetWindow_, traits_.messageId);
  reporting_ = result != 0;
  return result;
}

LONG HookLibrary::EndHook() {
  if (module_ == nullptr)
    return 0;
  EndHookFunction end = ExportedFunction<EndHookFunction>(module_, traits_.endExport);
  if (end != nullptr)
    end();
  const LONG freed = FreeLibrary(module_);
  module_ = nullptr;
  reporting_ = false;
  return freed;
}
