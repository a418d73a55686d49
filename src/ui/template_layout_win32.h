// A dialog's controls as its template places them, for a move to a monitor of
// another scaling. The system's own re-scaling is off (KeepDpiScalingToProgram),
// so the program puts every control back where the template's dialog units
// fall at the new dots per inch and gives it the template's font made for them.
// At the dots per inch the dialog was made at, the places and the font are
// exactly the dialog manager's own.
#pragma once

#include <windows.h>

#include <vector>

class TemplateLayout {
 public:
  TemplateLayout() = default;
  ~TemplateLayout();
  TemplateLayout(const TemplateLayout&) = delete;
  TemplateLayout& operator=(const TemplateLayout&) = delete;

  // Reads the dialog's font and the dialog units of its direct children from
  // the template (templateId in instance) the dialog manager just made them
  // from at dpi; a control the template does not hold is read back from its
  // pixels. Call before the program moves any.
  void Capture(HWND dialog, int dpi, HINSTANCE instance, int templateId);
  // Places the captured controls at dpi and gives each the font made for it
  // (the dialog's own font stays the dialog manager's, which it deletes). The
  // program's own layout (sizes that follow the window) runs after this.
  void Apply(int dpi);

 private:
  struct Control {
    HWND window;
    int x, y, width, height;  // dialog units
  };
  // The dialog font's base units at dpi (the captured ones at the captured dpi).
  void BaseUnits(int dpi, int* baseX, int* baseY);
  HFONT FontFor(int dpi);

  std::vector<Control> controls_;
  int dpi_ = 0;
  int baseX_ = 0;
  int baseY_ = 0;
  HFONT templateFont_ = nullptr;  // the dialog manager's; not ours to delete
  LOGFONTA logFont_ = {};
  int points_ = 0;
  HFONT madeFont_ = nullptr;  // made for madeDpi_
  int madeDpi_ = 0;
};
