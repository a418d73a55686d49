// Data.ini, read and written through the private-profile functions. There is
// no in-memory copy: every read and write goes to the file at once. Application
// makes the program's one and hands it to whatever reads or writes settings;
// tests make their own on a folder of their own.
#pragma once

#include <string>
#include <vector>

#include "settings/path_rules.h"

class SettingsFile {
 public:
  // The program's own file, found once: in the folder named after the user
  // beside the program (created when missing), or beside the program when
  // there is no user name or that path would exceed 260 characters; with no
  // usable location at all, an empty path.
  static SettingsFile ForThisProgram();

  // The file at path. A path longer than 260 characters, or an empty one,
  // leaves no usable location: every key then reads as its default and
  // nothing is written.
  explicit SettingsFile(const std::string& path);

  const char* Path() const { return path_; }
  bool Usable() const { return path_[0] != '\0'; }

  // Reads a decimal integer; a missing key gives def.
  int ReadInt(const char* section, const char* key, int def) const;
  void ReadString(const char* section, const char* key, const char* def, char* out,
                  unsigned outSize) const;
  void WriteString(const char* section, const char* key, const char* value) const;
  void WriteInt(const char* section, const char* key, int value) const;
  // The key names of a section, NUL-separated and ended by a second NUL; empty
  // when the file cannot be read.
  std::vector<char> ReadKeyNames(const char* section) const;

 private:
  char path_[kPathBufferSize];
};
