// A property that must hold for every input; a failure aborts, which libFuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#define FUZZ_CHECK(cond)                                                               \
  do {                                                                                 \
    if (!(cond)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

// A heap copy of exactly `size` bytes so that AddressSanitizer sees any write or
// read past the end of a buffer the code was handed.
struct ExactBuffer {
  explicit ExactBuffer(std::size_t n) : size(n), data(n ? new char[n] : nullptr) {
    if (n)
      std::memset(data, 0x7f, n);
  }
  ~ExactBuffer() { delete[] data; }
  ExactBuffer(const ExactBuffer&) = delete;
  ExactBuffer& operator=(const ExactBuffer&) = delete;
  // Terminated somewhere inside the buffer (or the buffer was empty).
  bool Terminated() const { return size == 0 || std::memchr(data, '\0', size) != nullptr; }
  std::size_t size;
  char* data;
};

// A C string copy of text in a heap block of exactly its length + 1.
struct CString {
  explicit CString(const std::string& text) : buffer(text.size() + 1) {
    std::memcpy(buffer.data, text.c_str(), text.size() + 1);
  }
  const char* c_str() const { return buffer.data; }
  ExactBuffer buffer;
};
