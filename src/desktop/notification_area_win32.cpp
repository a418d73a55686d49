#include "desktop/notification_area_win32.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/cp932_text.h"
#include "base/system_function_win32.h"
#include "ui/dpi_win32.h"

namespace {

// The program has one icon; a second copy's is told apart by its own window.
const UINT kIconId = 1;
// Shown this long where the shell still takes a time (before Vista).
const UINT kNotificationMs = 10000;
// Names the headers for XP leave out.
const UINT kShowTipFlag = 0x00000080;  // NIF_SHOWTIP: version 4 hides the tip without it
const UINT kBehaviourVersion4 = 4;     // NOTIFYICON_VERSION_4

// NOTIFYICONDATAA as Windows Vista and later know it: the form the headers for
// XP declare, then the notification's own icon.
struct NotifyIconDataFull {
  NOTIFYICONDATAA data;
  HICON balloonIcon;
};
// The sizes each shell is handed; they differ between the architectures.
#ifdef _WIN64
static_assert(offsetof(NOTIFYICONDATAA, guidItem) == 504 && sizeof(NOTIFYICONDATAA) == 520 &&
                  sizeof(NotifyIconDataFull) == 528,
              "NOTIFYICONDATAA is not the x86_64 shell's");
#else
static_assert(offsetof(NOTIFYICONDATAA, guidItem) == 488 && sizeof(NOTIFYICONDATAA) == 504 &&
                  sizeof(NotifyIconDataFull) == 508,
              "NOTIFYICONDATAA is not the i386 shell's");
#endif

DWORD StructureSize(desktop::NotifyLayout layout) {
  switch (layout) {
    case desktop::kNotifyLayoutVista:
      return sizeof(NotifyIconDataFull);
    case desktop::kNotifyLayoutXp:
      return sizeof(NOTIFYICONDATAA);
    default:
      return offsetof(NOTIFYICONDATAA, guidItem);
  }
}

// The structure of the size this shell knows, naming this window's icon.
NotifyIconDataFull Addressed(desktop::NotifyLayout layout, HWND window, UINT flags) {
  NotifyIconDataFull full = {};
  full.data.cbSize = StructureSize(layout);
  full.data.hWnd = window;
  full.data.uID = kIconId;
  full.data.uFlags = flags;
  return full;
}

desktop::NotifyLayout ShellLayout(HMODULE shell) {
  const DLLGETVERSIONPROC version = ExportedFunction<DLLGETVERSIONPROC>(shell, "DllGetVersion");
  DLLVERSIONINFO info = {};
  info.cbSize = sizeof info;
  if (version == nullptr || FAILED(version(&info)))
    return desktop::kNotifyLayout2000;
  return desktop::NotifyLayoutFor(info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber);
}

BITMAPINFO PixelFormat(int size) {
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size;
  format.bmiHeader.biHeight = -size;  // rows from the top
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

bool ReadPixels(HBITMAP bitmap, int size, std::vector<std::uint32_t>* pixels) {
  pixels->assign(static_cast<std::size_t>(size) * size, 0);
  BITMAPINFO format = PixelFormat(size);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, size, pixels->data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows == size;
}

// An icon without an alpha channel says what is see-through in its mask.
void TakeAlphaFromMask(std::vector<std::uint32_t>* pixels, const std::vector<std::uint32_t>& mask) {
  for (std::uint32_t pixel : *pixels) {
    if ((pixel >> 24) != 0)
      return;
  }
  for (std::size_t i = 0; i < pixels->size(); ++i) {
    std::uint32_t& pixel = (*pixels)[i];
    pixel = (mask[i] & 0x00FFFFFFu) != 0 ? 0 : (pixel | 0xFF000000u);
  }
}

HICON IconFromPixels(const std::vector<std::uint32_t>& pixels, int size) {
  BITMAPINFO format = PixelFormat(size);
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr || bits == nullptr)
    return nullptr;
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
  // The mask, for drawing without alpha: set where the picture is see-through.
  const int stride = (size + 15) / 16 * 2;
  std::vector<BYTE> maskBits(static_cast<std::size_t>(stride) * size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if ((pixels[static_cast<std::size_t>(y) * size + x] >> 24) < 0x80)
        maskBits[static_cast<std::size_t>(y) * stride + x / 8] |=
            static_cast<BYTE>(0x80 >> (x % 8));
    }
  }
  HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
  HICON icon = nullptr;
  if (mask != nullptr) {
    ICONINFO made = {TRUE, 0, 0, mask, colour};
    icon = CreateIconIndirect(&made);
    DeleteObject(mask);
  }
  DeleteObject(colour);
  return icon;
}

// The program's icon with the mark painted over it; null when the icon's
// pixels cannot be read.
HICON MarkedIcon(HICON base, int size, desktop::IconMark mark) {
  ICONINFO info = {};
  if (!GetIconInfo(base, &info))
    return nullptr;
  HICON icon = nullptr;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint32_t> mask;
  if (info.hbmColor != nullptr && ReadPixels(info.hbmColor, size, &pixels) &&
      ReadPixels(info.hbmMask, size, &mask)) {
    TakeAlphaFromMask(&pixels, mask);
    desktop::PaintMark(pixels.data(), size, mark);
    icon = IconFromPixels(pixels, size);
  }
  if (info.hbmColor != nullptr)
    DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return icon;
}

}  // namespace

ShellNotificationIcon::ShellNotificationIcon() : layout_(desktop::kNotifyLayout2000) {}

ShellNotificationIcon::~ShellNotificationIcon() {
  if (shown_)
    Remove();
  ReleaseIcons();
  if (shell_ != nullptr)
    FreeLibrary(shell_);
}

void ShellNotificationIcon::Bind(HWND window, UINT callbackMessage, HINSTANCE instance,
                                 int iconId) {
  window_ = window;
  message_ = callbackMessage;
  instance_ = instance;
  iconId_ = iconId;
}

UINT ShellNotificationIcon::AreaCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

bool ShellNotificationIcon::Add(desktop::IconMark mark, const char* tip) {
  if (window_ == nullptr)
    return false;
  if (shell_ == nullptr) {
    // Asked only now: a program with the icon switched off never loads it.
    shell_ = LoadLibraryA("shell32.dll");
    layout_ = ShellLayout(shell_);
  }
  // The shell may announce a new area and still hold the icon: it is then
  // brought up to date instead.
  const UINT look = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  shown_ = Send(NIM_ADD, look, mark, tip, 0) || Send(NIM_MODIFY, look, mark, tip, 0);
  version_ = 0;
  if (!shown_)
    return false;
  if (layout_ == desktop::kNotifyLayoutVista &&
      Send(NIM_SETVERSION, 0, mark, tip, kBehaviourVersion4))
    version_ = kBehaviourVersion4;
  else if (Send(NIM_SETVERSION, 0, mark, tip, NOTIFYICON_VERSION))
    version_ = NOTIFYICON_VERSION;
  return true;
}

void ShellNotificationIcon::Change(desktop::IconMark mark, const char* tip) {
  if (shown_)
    Send(NIM_MODIFY, NIF_ICON | NIF_TIP, mark, tip, 0);
}

void ShellNotificationIcon::Notify(const char* caption, const char* text) {
  if (!shown_)
    return;
  NotifyIconDataFull full = Addressed(layout_, window_, NIF_INFO);
  full.data.uTimeout = kNotificationMs;
  // The bell is the program's own sound; shells before XP know no silence.
  full.data.dwInfoFlags =
      NIIF_INFO | (layout_ == desktop::kNotifyLayout2000 ? 0u : static_cast<DWORD>(NIIF_NOSOUND));
  CopyWholeCharacters(full.data.szInfoTitle, sizeof full.data.szInfoTitle, caption);
  CopyWholeCharacters(full.data.szInfo, sizeof full.data.szInfo, text);
  Shell_NotifyIconA(NIM_MODIFY, &full.data);
}

void ShellNotificationIcon::Remove() {
  if (window_ == nullptr)
    return;
  Send(NIM_DELETE, 0, desktop::kNoMark, "", 0);
  shown_ = false;
}

bool ShellNotificationIcon::Send(DWORD command, UINT flags, desktop::IconMark mark, const char* tip,
                                 unsigned version) {
  NotifyIconDataFull full = Addressed(layout_, window_, flags);
  full.data.uCallbackMessage = message_;
  if ((flags & NIF_ICON) != 0)
    full.data.hIcon = IconFor(mark);
  if ((flags & NIF_TIP) != 0) {
    if (layout_ == desktop::kNotifyLayoutVista)
      full.data.uFlags |= kShowTipFlag;
    CopyWholeCharacters(full.data.szTip, sizeof full.data.szTip, tip);
  }
  full.data.uVersion = version;
  return Shell_NotifyIconA(command, &full.data) != FALSE;
}

desktop::IconAction ShellNotificationIcon::ActionOf(WPARAM, LPARAM lParam) const {
  // Version 4 puts the event in the low word and the icon's id in the high one.
  const unsigned event =
      version_ >= kBehaviourVersion4 ? LOWORD(lParam) : static_cast<unsigned>(lParam);
  return desktop::ActionForIconEvent(version_, event);
}

POINT ShellNotificationIcon::MenuPoint(WPARAM wParam) const {
  POINT at = {};
  if (version_ >= kBehaviourVersion4) {
    // Where the menu belongs, also when it was asked for from the keyboard.
    at.x = static_cast<short>(LOWORD(wParam));
    at.y = static_cast<short>(HIWORD(wParam));
  } else {
    GetCursorPos(&at);
  }
  return at;
}

HICON ShellNotificationIcon::IconFor(desktop::IconMark mark) {
  const int index = static_cast<int>(mark);
  if (index < desktop::kNoMark || index >= desktop::kIconMarkCount)
    mark = desktop::kNoMark;
  int size = GetSystemMetrics(SM_CXSMICON);
  if (size <= 0)
    size = ScalePixels(16, ScreenDpi());
  if (size != iconSize_) {
    ReleaseIcons();
    iconSize_ = size;
  }
  HICON& icon = icons_[mark];
  if (icon == nullptr) {
    HICON base = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(iconId_), IMAGE_ICON, size, size, 0));
    if (base == nullptr)
      return nullptr;
    icon = mark == desktop::kNoMark ? nullptr : MarkedIcon(base, size, mark);
    if (icon == nullptr) {
      icon = base;  // unmarked rather than none
    } else {
      DestroyIcon(base);
    }
  }
  return icon;
}

void ShellNotificationIcon::ReleaseIcons() {
  for (HICON& icon : icons_) {
    if (icon != nullptr)
      DestroyIcon(icon);
    icon = nullptr;
  }
}

HMENU BuildNotificationMenu(UINT showCommand, UINT exitCommand) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr)
    return nullptr;
  AppendMenuA(menu, MF_STRING, showCommand, desktop::kShowWindowMenuText);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, exitCommand, desktop::kExitMenuText);
  SetMenuDefaultItem(menu, showCommand, FALSE);
  return menu;
}

void OfferNotificationMenu(HWND owner, POINT at, UINT showCommand, UINT exitCommand) {
  HMENU menu = BuildNotificationMenu(showCommand, exitCommand);
  if (menu == nullptr)
    return;
  // A menu of a window that is not in front stays open when the user clicks
  // elsewhere, and one more message lets it close at once (the shell's rules).
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
}
