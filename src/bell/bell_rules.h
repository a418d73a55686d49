// How the bell player names a sound file to the media control interface: the
// device type follows the file's extension, and a path without a drive is
// taken relative to the current directory.
#pragma once

#include <cstddef>

// "sequencer" for ".mid", "MPEGVideo" for ".mp3" and ".wma", "waveaudio" for
// anything else (".wav", no extension, ...). The extension is that of the last
// path component, compared without regard to case; cp932 double-byte
// characters are stepped over whole.
const char* BellDeviceType(const char* path);

// The element name for path: the path itself when it starts with a drive
// ("C:") or is a network path ("\\server\share\..."); otherwise currentDir and
// path joined with exactly one backslash ("\bell.wav" in C:\work gives
// C:\work\bell.wav). Returns false, leaving out empty, when path is empty or
// the result does not fit in kMaxPathChars (settings/path_rules.h) bytes
// or in outSize.
bool BellElementName(const char* path, const char* currentDir, char* out, size_t outSize);
