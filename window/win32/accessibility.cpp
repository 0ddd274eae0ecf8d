// SPDX-License-Identifier: Apache-2.0
// Names and descriptions of the controls for assistive tools (Microsoft Active Accessibility).
#include "accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <new>
#include <utility>

#include "accessibility_libraries.h"

namespace window {
namespace {

struct AccessibleTexts {
  long role;
  std::wstring name;
  std::wstring description;
};

// The texts of one control, shared by the control and the accessible objects made for it: a tool
// may hold an object longer than the control lives.
using SharedTexts = std::shared_ptr<const AccessibleTexts>;

// The system's accessible object of a control with a role, name and description of the
// program's. (Interfaces are named by __uuidof: MinGW's import library has no IID_IAccessible
// that can be read.)
//
// A wrapper rather than the system's annotation service (Dynamic Annotation, IAccPropServices),
// which can also set a control's name, description and role: the service is a COM server that
// the program would have to create at start-up and whose annotations it would have to clear when
// the controls go, and wine, under which the tests read the names, has only stubs of it. The
// wrapper needs nothing but the system's own object, made when a tool asks for it.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, SharedTexts texts) noexcept
      : standard_(standard), texts_(std::move(texts)) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // The program's name and description of the control itself; its parts keep the system's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    return Answer(texts_->name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!IsSelf(child)) return standard_->get_accDescription(child, description);
    return Answer(texts_->description, description);
  }

  // Some systems' standard objects know no control kinds but their own.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = texts_->role;
    return S_OK;
  }

  // IDispatch and the rest of IAccessible: the system's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                             argumentError);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() { standard_->Release(); }

  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }

  static HRESULT Answer(const std::wstring& text, BSTR* answer) {
    if (answer == nullptr) return E_POINTER;
    // The libraries were loaded to make this object.
    *answer = LoadAccessibilityLibraries()->sysAllocStringLen(text.data(),
                                                              static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  IAccessible* standard_;
  SharedTexts texts_;
  ULONG references_ = 1;
};

// A window procedure: nothing in it throws, since no exception may unwind through the system's
// frames that called it.
LRESULT CALLBACK AnswerWithNames(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR data) noexcept {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the subclass's data is the pointer it was given
  auto* texts = reinterpret_cast<SharedTexts*>(data);
  if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
    const AccessibilityLibraries* system = LoadAccessibilityLibraries();
    IAccessible* standard = nullptr;
    if (system != nullptr &&
        SUCCEEDED(system->createStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(&standard)))) {
      auto* named = new (std::nothrow) NamedAccessible(standard, *texts);
      if (named == nullptr) {
        standard->Release();
        return E_OUTOFMEMORY;
      }
      const LRESULT answer = system->lresultFromObject(__uuidof(IAccessible), wParam, named);
      named->Release();
      return answer;
    }
  } else if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(control, AnswerWithNames, 0);
    delete texts;
  }
  return ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

long AccessibleRole(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::kLabel:
      return ROLE_SYSTEM_STATICTEXT;
    case form::ControlKind::kTextBox:
    case form::ControlKind::kResultsBox:
      return ROLE_SYSTEM_TEXT;
    case form::ControlKind::kDropDownCombo:
      return ROLE_SYSTEM_COMBOBOX;
    case form::ControlKind::kButton:
      return ROLE_SYSTEM_PUSHBUTTON;
  }
  return ROLE_SYSTEM_CLIENT;
}

void NameForAssistiveTools(HWND control, long role, std::wstring name, std::wstring description) {
  auto* texts = new SharedTexts(std::make_shared<const AccessibleTexts>(
      AccessibleTexts{role, std::move(name), std::move(description)}));
  if (!::SetWindowSubclass(control, AnswerWithNames, 0, reinterpret_cast<DWORD_PTR>(texts))) {
    delete texts;
  }
}

}  // namespace window
