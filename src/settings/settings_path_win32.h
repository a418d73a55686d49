// Where the program and Data.ini live for this run.
#pragma once

#include <string>

// The full path of the running program, or empty when the system cannot say.
// Read into a larger buffer than the program's paths, so an over-long location
// is seen as such instead of arriving cut.
std::string ProgramPath();
// Its folder (cp932-aware: a double-byte name may end in a 0x5C byte), without
// the trailing separator; empty when unknown.
std::string ProgramFolder();

// The full path of Data.ini, creating the per-user folder beside the executable
// when it is missing. Empty when no path fits in 260 characters; the program
// then runs on defaults.
std::string FindDataIniPath();
