// Functions newer than Windows XP are never imported: the program would not
// start where they are missing. They are looked up here, at run time, from a
// system library the process already has; null where the system lacks them.
#pragma once

#include <windows.h>

template <typename Function>
Function SystemFunction(const char* module, const char* name) {
  HMODULE library = GetModuleHandleA(module);
  if (library == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
