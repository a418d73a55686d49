// Access to Data.ini through the private-profile functions. There is no
// in-memory copy: every read and write goes to the file at once.
#pragma once

// The process-wide settings path: 261 bytes, empty until first built.
char* SettingsPath();

// Builds the settings path unless it already holds one.
void EnsureSettingsPath();

// Reads a decimal integer; a missing key gives def. An empty settings path
// (no usable location) reads every key as its default and writes nothing.
int ProfileReadInt(const char* section, const char* key, int def);
void ProfileReadString(const char* section, const char* key, const char* def, char* out,
                       unsigned outSize);
void ProfileWriteString(const char* section, const char* key, const char* value);
void ProfileWriteInt(const char* section, const char* key, int value);
