#include "ui/dialog_template.h"

namespace {

const unsigned kSetFont = 0x40;  // DS_SETFONT (DS_SHELLFONT includes it)

class Reader {
 public:
  Reader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}
  bool ok() const { return ok_; }
  unsigned Word() {
    if (at_ + 2 > size_) {
      ok_ = false;
      return 0;
    }
    const unsigned v = bytes_[at_] | (bytes_[at_ + 1] << 8);
    at_ += 2;
    return v;
  }
  int Short() {
    const unsigned v = Word();
    return v >= 0x8000 ? static_cast<int>(v) - 0x10000 : static_cast<int>(v);
  }
  unsigned Dword() {
    const unsigned low = Word();
    return low | (Word() << 16);
  }
  void Skip(std::size_t n) {
    if (at_ + n > size_)
      ok_ = false;
    else
      at_ += n;
  }
  // A string of UTF-16 units up to its terminator.
  void String() {
    while (ok_ && Word() != 0) {
    }
  }
  // Empty (0), an ordinal (0xFFFF and a number) or a string.
  void StringOrOrdinal() {
    const unsigned first = Word();
    if (first == 0xFFFF)
      Word();
    else if (first != 0)
      String();
  }
  void AlignToDword() { Skip((4 - at_ % 4) % 4); }

 private:
  const unsigned char* bytes_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace

std::vector<TemplateItem> ReadTemplateItems(const unsigned char* bytes, std::size_t size) {
  std::vector<TemplateItem> items;
  if (bytes == nullptr)
    return items;
  Reader in(bytes, size);
  const unsigned version = in.Word();
  const bool extended = in.Word() == 0xFFFF && version == 1;
  Reader head(bytes, size);
  Reader& r = extended ? in : head;
  unsigned style = 0;
  if (extended) {
    r.Dword();  // help id
    r.Dword();  // extended style
    style = r.Dword();
  } else {
    style = r.Dword();
    r.Dword();  // extended style
  }
  const unsigned count = r.Word();
  r.Skip(8);            // the dialog's own place
  r.StringOrOrdinal();  // menu
  r.StringOrOrdinal();  // class
  r.String();           // title
  if (style & kSetFont) {
    r.Word();  // points
    if (extended) {
      r.Word();   // weight
      r.Skip(2);  // italic, character set
    }
    r.String();  // face
  }
  for (unsigned i = 0; i < count && r.ok(); ++i) {
    r.AlignToDword();
    TemplateItem item = {};
    if (extended) {
      r.Dword();  // help id
      r.Dword();  // extended style
      r.Dword();  // style
    } else {
      r.Dword();  // style
      r.Dword();  // extended style
    }
    item.x = r.Short();
    item.y = r.Short();
    item.width = r.Short();
    item.height = r.Short();
    item.id = extended ? r.Dword() : r.Word();
    r.StringOrOrdinal();  // class
    r.StringOrOrdinal();  // text
    r.Skip(r.Word());     // creation data
    if (r.ok())
      items.push_back(item);
  }
  if (!r.ok())
    items.clear();
  return items;
}
