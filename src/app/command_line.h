// The program accepts an empty command line or exactly "-n"; anything else ends it.
#pragma once

bool IsAcceptedCommandLine(const char* commandLine);
