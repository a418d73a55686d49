#include "base/cp932_text.h"

#include <cstring>

bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t WholeCharacterLength(const char* text, std::size_t maxBytes) {
  if (text == nullptr)
    return 0;
  std::size_t i = 0;
  while (i < maxBytes && text[i] != '\0') {
    const bool pair = IsCp932LeadByte(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0';
    const std::size_t step = pair ? 2 : 1;
    if (i + step > maxBytes)
      break;
    i += step;
  }
  return i;
}

void CopyWholeCharacters(char* out, std::size_t size, const char* text) {
  if (size == 0)
    return;
  const std::size_t kept = WholeCharacterLength(text, size - 1);
  if (kept > 0)
    std::memcpy(out, text, kept);
  out[kept] = '\0';
}

bool CopyBounded(char* out, std::size_t size, const std::string& text) {
  if (size == 0)
    return false;
  if (text.size() >= size) {
    out[0] = '\0';
    return false;
  }
  std::memcpy(out, text.c_str(), text.size() + 1);
  return true;
}
