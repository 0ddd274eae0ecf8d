// SPDX-License-Identifier: Apache-2.0
// What assistive tools learn of the native window's controls through Microsoft Active
// Accessibility: each control's role, name and description.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "controls.h"
#include "loaded_form.h"

namespace window_testing {
namespace {

using Accessibility = LoadedForm;

struct Spoken {
  long role = 0;
  std::wstring name;
  std::wstring description;
};

// What a screen reader reads of `control`, asked the way screen readers ask.
Spoken Speak(HWND control) {
  Spoken spoken;
  IAccessible* accessible = nullptr;
  const HRESULT found =
      ::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible));
  if (FAILED(found)) {
    ADD_FAILURE() << "no accessible object: " << std::hex << found;
    return spoken;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (accessible->get_accName(self, &text) == S_OK) spoken.name = text != nullptr ? text : L"";
  ::SysFreeString(text);
  text = nullptr;
  if (accessible->get_accDescription(self, &text) == S_OK) {
    spoken.description = text != nullptr ? text : L"";
  }
  ::SysFreeString(text);
  VARIANT role{};
  if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) spoken.role = role.lVal;
  accessible->Release();
  return spoken;
}

TEST_F(Accessibility, EveryControlThatTakesTheFocusIsNamed) {
  const struct {
    const char* control;
    long role;
    const wchar_t* name;
  } cases[] = {
      {"Text1", ROLE_SYSTEM_TEXT, L"Area Code"},
      {"Combo1", ROLE_SYSTEM_COMBOBOX, L"Metro area"},
      {"Command1", ROLE_SYSTEM_PUSHBUTTON, L"Where is that area code"},
      {"Command2", ROLE_SYSTEM_PUSHBUTTON, L"Area Codes in a metro area"},
      {"Command3", ROLE_SYSTEM_PUSHBUTTON, L"Exit"},
      {"Text2", ROLE_SYSTEM_TEXT, L"Search results"},
  };
  for (const auto& c : cases) {
    const Spoken spoken = Speak(Control(c.control));
    EXPECT_EQ(spoken.role, c.role) << c.control;
    EXPECT_EQ(spoken.name, c.name) << c.control;
    EXPECT_FALSE(spoken.description.empty()) << c.control;
  }
}

TEST_F(Accessibility, TheComboBoxEditFieldCarriesItsName) {
  const Spoken spoken = Speak(window::ComboEditField(Control("Combo1")));
  EXPECT_EQ(spoken.role, ROLE_SYSTEM_TEXT);
  EXPECT_EQ(spoken.name, L"Metro area");
}

}  // namespace
}  // namespace window_testing
