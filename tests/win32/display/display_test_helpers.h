// Shared by the display suites: pixels of a window, font-file bytes, and the
// clock of displays whose announcements a test does not look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "display/font_record.h"
#include "support/fakes.h"

namespace display_test {

inline HINSTANCE Instance() {
  return GetModuleHandleA(nullptr);
}

// A clock that never moves: announcements beyond the first wait for it.
inline MonotonicClock& StillClock() {
  static fakes::MonotonicClock clock;
  return clock;
}

inline int ScreenPixelsPerInch() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}

// The client area of a window as 0x00RRGGBB values, row by row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

  template <typename Pred>
  int Count(Pred pred) const {
    int n = 0;
    for (std::uint32_t p : pixels) n += pred((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) ? 1 : 0;
    return n;
  }
  int Dark() const {
    return Count([](unsigned r, unsigned g, unsigned b) { return r < 100 && g < 100 && b < 100; });
  }
  int Red() const {
    return Count([](unsigned r, unsigned g, unsigned b) { return r > 180 && g < 100 && b < 100; });
  }
  int NotWhite() const {
    return Count([](unsigned r, unsigned g, unsigned b) { return r + g + b < 765; });
  }
  // Rows from the first to the last holding a dark pixel: the height of the
  // text's ink (0 when nothing dark is drawn).
  int InkHeight() const {
    int first = -1, last = -1;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = At(x, y);
        if (((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100) {
          first = first < 0 ? y : first;
          last = y;
          break;
        }
      }
    }
    return first < 0 ? 0 : last - first + 1;
  }
};

inline Picture Capture(HWND window) {
  Picture picture;
  RECT client;
  GetClientRect(window, &client);
  picture.width = client.right;
  picture.height = client.bottom;
  HDC windowDC = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDC);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, picture.width, picture.height, windowDC, 0, 0, SRCCOPY);
  GdiFlush();
  const std::uint32_t* p = static_cast<const std::uint32_t*>(bits);
  picture.pixels.assign(p, p + static_cast<std::size_t>(picture.width) * picture.height);
  for (std::uint32_t& v : picture.pixels) v &= 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(window, windowDC);
  return picture;
}

inline std::string RecordBytes(const display::FontRecord& record) {
  unsigned char bytes[display::kFontRecordSize];
  display::SerializeFontRecord(record, bytes);
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

inline display::FontRecord ZeroRecord() {
  display::FontRecord r;
  std::memset(&r, 0, sizeof r);
  return r;
}

inline LOGFONTA LogFont(const char* face, LONG height, LONG weight) {
  LOGFONTA f = {};
  f.lfHeight = height;
  f.lfWeight = weight;
  f.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(f.lfFaceName, face, LF_FACESIZE);
  return f;
}

// A top-level window that only collects what is posted to it.
class Sink {
 public:
  Sink() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = Instance();
      wc.lpszClassName = "MipoDisplayTestSink";
      RegisterClassA(&wc);
      registered = true;
    }
    window_ = CreateWindowExA(0, "MipoDisplayTestSink", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                              nullptr, Instance(), nullptr);
  }
  ~Sink() { DestroyWindow(window_); }
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;
  HWND Window() const { return window_; }

  // Numbers of the messages posted to the sink so far, removing them.
  std::vector<UINT> Take() {
    std::vector<UINT> seen;
    MSG message;
    while (PeekMessageA(&message, window_, 0, 0, PM_REMOVE)) {
      if (message.message >= WM_USER)
        seen.push_back(message.message);
    }
    return seen;
  }

 private:
  HWND window_ = nullptr;
};

}  // namespace display_test
