#include "desktop/notification_area_icon.h"

namespace desktop {

namespace {

const std::uint32_t kWhite = 0xFFFFFFFFu;
const std::uint32_t kMarkColours[kIconMarkCount] = {0, 0xFF2E9E3Eu, 0xFFE8B400u, 0xFFD62828u};

// The symbols on 5 × 5 cells, scaled whole into the disc.
const char* const kSymbols[kIconMarkCount][5] = {
    {"", "", "", "", ""},
    {"#....", "###..", "#####", "###..", "#...."},  // running: play
    {"##.##", "##.##", "##.##", "##.##", "##.##"},  // paused: two bars
    {"..#..", "..#..", "..#..", ".....", "..#.."},  // over time: !
};

// Whether the pixel's centre lies in the disc of that diameter whose centre is
// at (centre / 2, centre / 2): doubled coordinates keep the centre of an even
// disc on a pixel corner.
bool InDisc(int x, int y, int centre, int diameter) {
  const int dx = 2 * x + 1 - centre;
  const int dy = 2 * y + 1 - centre;
  return dx * dx + dy * dy <= diameter * diameter;
}

}  // namespace

NotifyLayout NotifyLayoutFor(unsigned major, unsigned minor, unsigned build) {
  if (major < 6)
    return kNotifyLayout2000;
  if (major == 6 && minor == 0 && build < 6000)
    return kNotifyLayoutXp;
  return kNotifyLayoutVista;
}

IconAction ActionForIconEvent(unsigned version, unsigned event) {
  if (event == kIconBalloonClick)
    return kIconBringToFront;
  if (version >= 4) {
    if (event == kIconSelect || event == kIconKeySelect)
      return kIconBringToFront;
    return event == kIconContextMenu ? kIconOfferMenu : kIconNoAction;
  }
  if (event == kIconLeftButtonUp || event == kIconSelect || event == kIconKeySelect)
    return kIconBringToFront;
  if (version >= 3)
    return event == kIconContextMenu ? kIconOfferMenu : kIconNoAction;
  return event == kIconRightButtonUp ? kIconOfferMenu : kIconNoAction;
}

void PaintMark(std::uint32_t* pixels, int size, IconMark mark) {
  const int index = static_cast<int>(mark);
  if (pixels == nullptr || size <= 0 || index <= kNoMark || index >= kIconMarkCount)
    return;
  const int diameter = (size * 11 + 8) / 16;
  const int left = size - diameter;
  const int centre = 2 * left + diameter;
  for (int y = left; y < size; ++y) {
    for (int x = left; x < size; ++x) {
      if (!InDisc(x, y, centre, diameter))
        continue;
      // A white rim keeps the disc apart from the picture under it.
      const bool rim = !InDisc(x, y, centre, diameter - 2);
      pixels[y * size + x] = rim ? kWhite : kMarkColours[index];
    }
  }
  const int cell = diameter >= 9 ? (diameter - 2) / 7 : 1;
  const int symbol = 5 * cell;
  const int origin = left + (diameter - symbol) / 2;
  for (int row = 0; row < symbol; ++row) {
    for (int column = 0; column < symbol; ++column) {
      if (kSymbols[index][row / cell][column / cell] != '#')
        continue;
      const int x = origin + column;
      const int y = origin + row;
      if (x >= 0 && x < size && y >= 0 && y < size)
        pixels[y * size + x] = kWhite;
    }
  }
}

}  // namespace desktop
