// The places of the controls in a dialog template as the resource compiler
// wrote it (DLGTEMPLATE or DLGTEMPLATEEX), in dialog units, in template order:
// the order the dialog manager creates the controls in.
#pragma once

#include <cstddef>
#include <vector>

struct TemplateItem {
  unsigned id;  // as the control's id (low 16 bits for a DLGTEMPLATE)
  int x;
  int y;
  int width;
  int height;
};

// Empty when the bytes are not a whole template.
std::vector<TemplateItem> ReadTemplateItems(const unsigned char* bytes, std::size_t size);
