// Where Data.ini lives for this run.
#pragma once

// Computes the full path of Data.ini into out (261 bytes), creating the per-user
// folder beside the executable when it is missing. out is left empty when no
// path fits in 260 characters; the program then runs on defaults.
void BuildSettingsPath(char* out);
