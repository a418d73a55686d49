// The decisions behind the notification area's icon that need no window: which
// form of the shell's structure the running shell understands, what a message
// from the icon asks for, and the marks painted over the program's icon.
#pragma once

#include <cstddef>
#include <cstdint>

#include "desktop/notification_area.h"

namespace desktop {

// The shell's structure grew with its versions; a shell is given the form it
// knows, told by shell32's own version.
enum NotifyLayout {
  kNotifyLayout2000,   // shell32 5.x: notifications, but no silent ones
  kNotifyLayoutXp,     // 6.0 before Vista: silent notifications
  kNotifyLayoutVista,  // 6.0.6000 and later: the full structure, behaviour version 4
};
NotifyLayout NotifyLayoutFor(unsigned major, unsigned minor, unsigned build);

// The events the icon reports (the shell's own numbers).
constexpr unsigned kIconSelect = 0x0400;        // NIN_SELECT: a click, or Enter on it
constexpr unsigned kIconKeySelect = 0x0401;     // NIN_KEYSELECT: space or Enter on it
constexpr unsigned kIconBalloonClick = 0x0405;  // NIN_BALLOONUSERCLICK
constexpr unsigned kIconContextMenu = 0x007B;   // WM_CONTEXTMENU
constexpr unsigned kIconLeftButtonUp = 0x0202;  // WM_LBUTTONUP
constexpr unsigned kIconRightButtonUp = 0x0205;

enum IconAction { kIconNoAction, kIconBringToFront, kIconOfferMenu };

// What an event asks for under the behaviour version the shell accepted (4,
// 3, or 0 when it accepted neither). Each user action answers once: version 4
// reports a click both as the mouse's message and as a selection, and versions
// 3 and 4 a right click both as the button and as the context menu.
IconAction ActionForIconEvent(unsigned version, unsigned event);

// Paints mark over size × size pixels (0xAARRGGBB, rows from the top): a disc in
// the bottom-right corner in the taskbar progress's colour for that state (green
// running, yellow paused, red over time) with a white symbol. kNoMark paints
// nothing.
void PaintMark(std::uint32_t* pixels, int size, IconMark mark);

}  // namespace desktop
