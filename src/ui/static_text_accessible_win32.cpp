#include "ui/static_text_accessible_win32.h"

#include <oleacc.h>

#include "base/system_function_win32.h"

const IID kAccessibleInterfaceId = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

const char kAccessibilityLibrary[] = "\\oleacc.dll";

struct AccessibilityFunctions {
  LPFNCREATESTDACCESSIBLEOBJECT createStandard = nullptr;
  LPFNLRESULTFROMOBJECT resultFromObject = nullptr;
};

const AccessibilityFunctions& Functions() {
  static const AccessibilityFunctions functions = [] {
    AccessibilityFunctions found;
    // From the system folder only: a library of that name beside the program
    // must not be loaded in its place.
    char path[MAX_PATH];
    const UINT folder = GetSystemDirectoryA(path, sizeof path);
    if (folder == 0 || folder + sizeof kAccessibilityLibrary > sizeof path)
      return found;
    lstrcpynA(path + folder, kAccessibilityLibrary, static_cast<int>(sizeof path - folder));
    HMODULE library = LoadLibraryA(path);
    found.createStandard =
        ExportedFunction<LPFNCREATESTDACCESSIBLEOBJECT>(library, "CreateStdAccessibleObject");
    found.resultFromObject = ExportedFunction<LPFNLRESULTFROMOBJECT>(library, "LresultFromObject");
    return found;
  }();
  return functions;
}

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The proxy's object with every call passed on, except the role of the window
// itself. It is one COM object of its own: it hands out only its own
// interfaces (the accessible object and the window it belongs to, which
// clients ask for to find the window), never the proxy's, whose IUnknown would
// be another object's.
class StaticTextAccessible final : public IAccessible, public IOleWindow {
 public:
  StaticTextAccessible(IAccessible* inner, HWND window) : inner_(inner), window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (out == nullptr)
      return E_POINTER;
    *out = nullptr;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == kAccessibleInterfaceId) {
      *out = static_cast<IAccessible*>(this);
    } else if (id == __uuidof(IOleWindow)) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      inner_->Release();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (window == nullptr)
      return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child) || role == nullptr)
      return inner_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_STATICTEXT;
    return S_OK;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return inner_->Invoke(member, id, locale, flags, params, result, exception, argument);
  }

  // IAccessible, passed on
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return inner_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return inner_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return inner_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return inner_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return inner_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return inner_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return inner_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
    return inner_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  ~StaticTextAccessible() = default;

  IAccessible* inner_;
  HWND window_;
  LONG references_ = 1;
};

}  // namespace

bool AnswerAsStaticText(HWND window, WPARAM flags, LPARAM objectId, LRESULT* result) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT)
    return false;
  const AccessibilityFunctions& functions = Functions();
  if (functions.createStandard == nullptr || functions.resultFromObject == nullptr)
    return false;
  IAccessible* standard = nullptr;
  if (FAILED(functions.createStandard(window, OBJID_CLIENT, kAccessibleInterfaceId,
                                      reinterpret_cast<void**>(&standard))) ||
      standard == nullptr) {
    return false;
  }
  StaticTextAccessible* object = new StaticTextAccessible(standard, window);
  // LresultFromObject takes its own reference for the caller.
  const LRESULT answer =
      functions.resultFromObject(kAccessibleInterfaceId, flags, static_cast<IAccessible*>(object));
  object->Release();
  // Where the object cannot be handed over, the default handling still gives
  // the client the system's proxy: the name without the role.
  if (FAILED(static_cast<HRESULT>(answer)))
    return false;
  *result = answer;
  return true;
}
