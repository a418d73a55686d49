#include "display/font_files_win32.h"

#include <windows.h>

#include "display/font_record.h"
#include "settings/settings_schema.h"

namespace display {

namespace {

void RescaleFontFile(const char* path, int fromDpi, int toDpi) {
  HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  unsigned char bytes[kFontRecordSize];
  DWORD read = 0;
  // Fewer than the height's four bytes hold no size; anything past the
  // record stays as it is, since only the bytes read are written back.
  if (ReadFile(file, bytes, sizeof bytes, &read, nullptr) && read >= 4) {
    FontRecord record;
    ZeroMemory(&record, sizeof record);
    LoadFontRecordBytes(record, bytes, read);
    record = ScaleFontRecord(record, fromDpi, toDpi);
    unsigned char image[kFontRecordSize];
    SerializeFontRecord(record, image);
    // The height and width are the first eight bytes; the rest of what was
    // read goes back unchanged (a face name without terminator included).
    const DWORD sizes = read < 8 ? read : 8;
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    WriteFile(file, image, sizes, &written, nullptr);
  }
  CloseHandle(file);
}

}  // namespace

int FontFilesDpi(const SettingsFile& settings) {
  return MendFontFileDpi(
      settings.ReadInt(schema::kMainSection, schema::kFontDpi, kFontFileDpiMissing));
}

void NoteFontFilesDpi(const SettingsFile& settings, int dpi) {
  if (settings.Usable() && FontFilesDpi(settings) != dpi)
    settings.WriteInt(schema::kMainSection, schema::kFontDpi, dpi);
}

void KeepFontFilesAt(const SettingsFile& settings, int dpi) {
  if (!settings.Usable())
    return;
  const int stored = FontFilesDpi(settings);
  if (stored == dpi)
    return;
  for (const char* name : kFontFileNames) {
    char path[kPathBufferSize];
    if (BuildFontFilePath(settings.Path(), name, path, sizeof path))
      RescaleFontFile(path, stored, dpi);
  }
  settings.WriteInt(schema::kMainSection, schema::kFontDpi, dpi);
}

}  // namespace display
