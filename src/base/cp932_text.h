// Helpers for cp932 text in fixed buffers. A double-byte character's second
// byte can be any value from 0x40 up, the backslash included, so text is cut and
// searched by walking whole characters, never byte by byte.
#pragma once

#include <cstddef>
#include <string>

bool IsCp932LeadByte(unsigned char c);

// The length of the longest start of text that has at most maxBytes bytes and
// does not end between the two bytes of a character. Reads text up to its
// terminator or maxBytes + 1 bytes, whichever comes first, so it also serves
// fixed fields without a terminator. A lead byte just before the terminator
// stands for itself.
std::size_t WholeCharacterLength(const char* text, std::size_t maxBytes);

// Copies the longest start of text that fits in out (size - 1 bytes and the
// terminator) without splitting a character. Does nothing when size is 0.
void CopyWholeCharacters(char* out, std::size_t size, const char* text);

// Copies text into a fixed buffer whole or not at all: false, and an empty
// buffer, when it would not fit.
bool CopyBounded(char* out, std::size_t size, const std::string& text);

// Calls visit(index) with the first byte of each character of text.
template <typename Visit>
void ForEachCharacter(const std::string& text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    visit(i);
    if (IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
      ++i;
  }
}
