#include "ui/template_layout_win32.h"

#include "base/mul_div.h"
#include "ui/dialog_template.h"
#include "ui/dpi.h"

namespace {

const int kUnitsAcross = 4;
const int kUnitsDown = 8;

// The dialog manager's base units for a font: its height, and the average
// width of the Latin letters rounded to whole pixels.
void MeasureBaseUnits(HFONT font, int* baseX, int* baseY) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SIZE extent = {};
  GetTextExtentPoint32A(dc, kLetters, static_cast<int>(sizeof kLetters - 1), &extent);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  *baseX = (extent.cx / 26 + 1) / 2;
  *baseY = metrics.tmHeight;
}

}  // namespace

TemplateLayout::~TemplateLayout() {
  if (madeFont_ != nullptr)
    DeleteObject(madeFont_);
}

void TemplateLayout::Capture(HWND dialog, int dpi, HINSTANCE instance, int templateId) {
  controls_.clear();
  dpi_ = dpi;
  RECT base = {0, 0, kUnitsAcross, kUnitsDown};
  MapDialogRect(dialog, &base);
  baseX_ = base.right;
  baseY_ = base.bottom;
  templateFont_ = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (templateFont_ == nullptr || GetObjectA(templateFont_, sizeof logFont_, &logFont_) == 0)
    templateFont_ = nullptr;
  // The template names points; the dialog manager made its font's height from them.
  points_ = templateFont_ != nullptr ? MulDivRounded(-logFont_.lfHeight, 72, dpi) : 0;

  std::vector<TemplateItem> items;
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  if (loaded != nullptr) {
    items = ReadTemplateItems(static_cast<const unsigned char*>(LockResource(loaded)),
                              SizeofResource(instance, found));
  }
  // The controls stand in the order the template made them; one the program
  // added is read back from its pixels.
  std::size_t index = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT), ++index) {
    const unsigned id = static_cast<unsigned>(GetDlgCtrlID(child)) & 0xFFFF;
    if (index < items.size() && (items[index].id & 0xFFFF) == id) {
      const TemplateItem& t = items[index];
      controls_.push_back({child, t.x, t.y, t.width, t.height});
      continue;
    }
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    controls_.push_back({child, PixelsToDialogUnits(r.left, baseX_, kUnitsAcross),
                         PixelsToDialogUnits(r.top, baseY_, kUnitsDown),
                         PixelsToDialogUnits(r.right - r.left, baseX_, kUnitsAcross),
                         PixelsToDialogUnits(r.bottom - r.top, baseY_, kUnitsDown)});
  }
}

HFONT TemplateLayout::FontFor(int dpi) {
  if (templateFont_ == nullptr || dpi == dpi_)
    return templateFont_;
  if (madeFont_ != nullptr && madeDpi_ == dpi)
    return madeFont_;
  LOGFONTA scaled = logFont_;
  scaled.lfHeight = -MulDivRounded(points_, dpi, 72);
  HFONT font = CreateFontIndirectA(&scaled);
  if (font == nullptr)
    return templateFont_;
  // The controls are handed the new font before the old one goes.
  if (madeFont_ != nullptr)
    DeleteObject(madeFont_);
  madeFont_ = font;
  madeDpi_ = dpi;
  return madeFont_;
}

void TemplateLayout::BaseUnits(int dpi, int* baseX, int* baseY) {
  if (dpi == dpi_ || templateFont_ == nullptr) {
    *baseX = dpi == dpi_ ? baseX_ : MulDivRounded(baseX_, dpi, dpi_);
    *baseY = dpi == dpi_ ? baseY_ : MulDivRounded(baseY_, dpi, dpi_);
    return;
  }
  MeasureBaseUnits(FontFor(dpi), baseX, baseY);
}

void TemplateLayout::Apply(int dpi) {
  if (dpi_ <= 0 || dpi <= 0)
    return;
  int baseX = 0, baseY = 0;
  BaseUnits(dpi, &baseX, &baseY);
  HFONT font = FontFor(dpi);
  for (const Control& c : controls_) {
    if (!IsWindow(c.window))
      continue;
    // The font first: a list box fits its height to whole items of its font.
    if (font != nullptr)
      SendMessageA(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    RECT r;
    r.left = DialogUnitsToPixels(c.x, baseX, kUnitsAcross);
    r.top = DialogUnitsToPixels(c.y, baseY, kUnitsDown);
    r.right = r.left + DialogUnitsToPixels(c.width, baseX, kUnitsAcross);
    r.bottom = r.top + DialogUnitsToPixels(c.height, baseY, kUnitsDown);
    SetWindowPos(c.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
