// Folder and path helpers on cp932 paths.
#pragma once

class FileHelper {
 public:
  FileHelper() = default;
  ~FileHelper() = default;

  // asFolder = false: true when anything exists at path. asFolder = true: first
  // drops one trailing backslash (unless it ends a double-byte character; the
  // caller's text changes), then true only for an existing folder. path must
  // be writable when asFolder is true.
  bool PathExists(char* path, bool asFolder) const;

  // Creates every missing folder level. isFolder: path is the deepest folder;
  // otherwise path names a file and only its folder part counts.
  bool CreateFolderPath(const char* path, bool isFolder) const;
};
