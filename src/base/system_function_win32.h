// Functions newer than Windows XP are never imported: the program would not
// start where they are missing. They are looked up here, at run time, from a
// system library the process already has; null where the system lacks them.
#pragma once

#include <windows.h>

// An export of a loaded library found by name, as the function type it is
// known to have; null when the library lacks it.
template <typename Function>
Function ExportedFunction(HMODULE library, const char* name) {
  if (library == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

template <typename Function>
Function SystemFunction(const char* module, const char* name) {
  return ExportedFunction<Function>(GetModuleHandleA(module), name);
}
