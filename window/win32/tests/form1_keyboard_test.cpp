// SPDX-License-Identifier: Apache-2.0
// The native window's keyboard: the focus at start, Tab and Shift+Tab in the tab order, also out
// of the results box, and Enter and Escape pressing nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form1_description.h"
#include "loaded_form.h"
#include "window_text.h"

namespace window_testing {
namespace {

class Form1Keyboard : public LoadedForm {
 protected:
  void SetUp() override {
    LoadedForm::SetUp();
    form->Show();
    Pump(*form);
  }
  void TearDown() override {
    SetShift(false);
    LoadedForm::TearDown();
  }

  // The name of the control that has the focus; the combo box's edit field counts as the combo.
  std::string FocusName() const {
    for (HWND focus = ::GetFocus(); focus != nullptr; focus = ::GetParent(focus)) {
      for (const form::ControlDescription& control : form::kForm1.controls) {
        if (form->Control(control.name) == focus) return std::string(control.name);
      }
    }
    return "(none)";
  }

  // Presses and releases `key` in the control that has the focus, through the event loop, which
  // makes the key's character as it does for a typed key.
  void Press(WPARAM key) {
    HWND focus = ::GetFocus();
    const LPARAM scanCode =
        static_cast<LPARAM>(::MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(focus, WM_KEYDOWN, key, scanCode | 1);
    ::PostMessageW(focus, WM_KEYUP, key, scanCode | 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31));
    Pump(*form);
  }

  static void SetShift(bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
};

TEST_F(Form1Keyboard, StartsWithTheFocusInTheEntry) {
  EXPECT_TRUE(::IsWindowVisible(form->Handle()));
  EXPECT_EQ(FocusName(), "Text1");
}

TEST_F(Form1Keyboard, TabAndShiftTabFollowTheTabOrder) {
  std::vector<std::string> forwards;
  for (int i = 0; i < 6; ++i) {
    Press(VK_TAB);
    forwards.push_back(FocusName());
  }
  EXPECT_EQ(forwards, (std::vector<std::string>{"Command1", "Command3", "Text2", "Command2",
                                                "Combo1", "Text1"}));
  SetShift(true);
  std::vector<std::string> backwards;
  for (int i = 0; i < 6; ++i) {
    Press(VK_TAB);
    backwards.push_back(FocusName());
  }
  SetShift(false);
  EXPECT_EQ(backwards, (std::vector<std::string>{"Combo1", "Command2", "Text2", "Command3",
                                                 "Command1", "Text1"}));
  EXPECT_EQ(Results(), u"");  // no tab was typed into the results box on the way
}

TEST_F(Form1Keyboard, TabLeavesTheResultsBoxBothWays) {
  window::SetText(Control("Text2"), u"some result");
  ::SetFocus(Control("Text2"));
  Press(VK_TAB);
  EXPECT_EQ(FocusName(), "Command2");
  ::SetFocus(Control("Text2"));
  SetShift(true);
  Press(VK_TAB);
  SetShift(false);
  EXPECT_EQ(FocusName(), "Command3");
  EXPECT_EQ(Results(), u"some result");
}

TEST_F(Form1Keyboard, EnterAndEscapePressNothing) {
  window::SetText(Control("Text1"), u"212");
  for (const char* name : {"Text1", "Command1", "Command2", "Command3", "Combo1", "Text2"}) {
    ::SetFocus(Control(name));
    if (std::string(name) != "Text2") Press(VK_RETURN);
    Press(VK_ESCAPE);
    ASSERT_TRUE(::IsWindow(form->Handle())) << name;
    EXPECT_TRUE(::IsWindowVisible(form->Handle())) << name;
    EXPECT_FALSE(form->EndStatus()) << name;
  }
  EXPECT_EQ(Results(), u"");
  EXPECT_TRUE(reports.empty());
  ::SetFocus(Control("Command1"));  // the keyboard still presses a button by Space
  Press(VK_SPACE);
  EXPECT_EQ(Results(), u"NY   New York City, Manhattan");
}

TEST_F(Form1Keyboard, EnterStartsALineInTheResultsBox) {
  ::SetFocus(Control("Text2"));
  Press(VK_RETURN);
  EXPECT_EQ(Results(), u"\r\n");
  EXPECT_FALSE(form->EndStatus());
}

}  // namespace
}  // namespace window_testing
