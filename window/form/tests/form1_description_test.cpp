// SPDX-License-Identifier: Apache-2.0
// The window's description: every control where the window shows it, in order, and named.
#include "form/form1_description.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using form::ControlDescription;
using form::kForm1;
using form::PixelRect;
using form::ToPixels;

TEST(Form1Description, WindowIsCaptionedAndSized) {
  EXPECT_EQ(kForm1.name, "Form1");
  EXPECT_EQ(kForm1.caption, "Vantrel Area Code");
  EXPECT_EQ(ToPixels(kForm1.clientWidth, 96), 417);
  EXPECT_EQ(ToPixels(kForm1.clientHeight, 96), 302);
}

TEST(Form1Description, ControlsInPixelsAtStandardResolution) {
  const struct {
    std::string_view name;
    PixelRect pixels;
  } cases[] = {
      {"Label1", {56, 24, 81, 33}},    {"Text1", {56, 56, 81, 33}},
      {"Combo1", {176, 56, 113, 21}},  {"Command1", {56, 88, 81, 49}},
      {"Command2", {176, 88, 73, 49}}, {"Command3", {288, 88, 73, 49}},
      {"Label2", {136, 152, 137, 25}}, {"Text2", {0, 184, 417, 113}},
  };
  ASSERT_EQ(std::size(cases), kForm1.controls.size());
  for (const auto& c : cases) {
    const ControlDescription* control = form::FindControl(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(ToPixels(control->rect, 96), c.pixels) << c.name;
  }
  EXPECT_EQ(form::FindControl("Text3"), nullptr);
}

// Other programs and the tests find the native controls by these IDs: a control added, moved or
// removed leaves the others' IDs as they are.
TEST(Form1Description, ControlIdsAreFixed) {
  const struct {
    std::string_view name;
    int id;
  } cases[] = {
      {"Label1", 1000},   {"Text1", 1001},    {"Combo1", 1002}, {"Command1", 1003},
      {"Command2", 1004}, {"Command3", 1005}, {"Label2", 1006}, {"Text2", 1007},
  };
  ASSERT_EQ(std::size(cases), kForm1.controls.size());
  for (const auto& c : cases) {
    const ControlDescription* control = form::FindControl(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(control->id, c.id) << c.name;
    EXPECT_EQ(form::FindControl(c.id), control) << c.name;  // no other control has its ID
  }
  EXPECT_EQ(form::FindControl(999), nullptr);
}

TEST(Form1Description, EveryControlLiesInsideTheWindow) {
  for (const ControlDescription& control : kForm1.controls) {
    EXPECT_GE(control.rect.left, 0) << control.name;
    EXPECT_GE(control.rect.top, 0) << control.name;
    EXPECT_LE(control.rect.left + control.rect.width, kForm1.clientWidth) << control.name;
    EXPECT_LE(control.rect.top + control.rect.height, kForm1.clientHeight) << control.name;
  }
  const ControlDescription& text2 = *form::FindControl("Text2");
  EXPECT_EQ(text2.rect.width, kForm1.clientWidth);
  EXPECT_EQ(kForm1.clientHeight - (text2.rect.top + text2.rect.height), 75);
}

TEST(Form1Description, TabOrderFollowsTheTabIndices) {
  std::set<int> indices;
  std::set<std::string_view> names;
  for (const ControlDescription& control : kForm1.controls) {
    indices.insert(control.tabIndex);
    names.insert(control.name);
  }
  EXPECT_EQ(indices, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(names.size(), kForm1.controls.size());
  std::vector<std::string_view> order;
  for (const ControlDescription* control : form::FocusOrder()) order.push_back(control->name);
  EXPECT_EQ(order, (std::vector<std::string_view>{"Text1", "Command1", "Command3", "Text2",
                                                  "Command2", "Combo1"}));
  EXPECT_EQ(form::InitialFocus().name, "Text1");
}

TEST(Form1Description, CaptionsFontsAndInitialTexts) {
  EXPECT_EQ(form::FindControl("Label1")->caption, "Area Code");
  EXPECT_EQ(form::FindControl("Label2")->caption, "Search results");
  EXPECT_EQ(form::FindControl("Combo1")->caption, "Select Metro Area");
  EXPECT_EQ(form::FindControl("Command1")->caption, "Where is that area code");
  EXPECT_EQ(form::FindControl("Command2")->caption, "Area Codes in a metro area");
  EXPECT_EQ(form::FindControl("Command3")->caption, "Exit");
  EXPECT_TRUE(form::FindControl("Text1")->caption.empty());
  EXPECT_TRUE(form::FindControl("Text2")->caption.empty());
  EXPECT_EQ(form::FindControl("Label1")->fontPoints, 12);
  EXPECT_EQ(form::FindControl("Text1")->fontPoints, 13.5);
  EXPECT_EQ(form::FindControl("Label2")->fontPoints, 12);
  EXPECT_EQ(form::FindControl("Text2")->fontPoints, 9.75);
  for (const char* defaultFont : {"Combo1", "Command1", "Command2", "Command3"}) {
    EXPECT_FALSE(form::FindControl(defaultFont)->fontPoints) << defaultFont;
  }
}

// A label names the control that follows it in the window's stacking, as Windows' accessibility
// reads it; every control that takes the focus has a name and a description.
TEST(Form1Description, AssistiveToolsHaveANameForEveryControl) {
  const struct {
    std::string_view control;
    std::string_view name;
  } cases[] = {{"Text1", "Area Code"},
               {"Combo1", "Metro area"},
               {"Command1", "Where is that area code"},
               {"Command2", "Area Codes in a metro area"},
               {"Command3", "Exit"},
               {"Text2", "Search results"}};
  for (const auto& c : cases) {
    const ControlDescription& control = *form::FindControl(c.control);
    EXPECT_EQ(form::AccessibleName(control), c.name);
    EXPECT_FALSE(control.accessibleDescription.empty()) << c.control;
  }
  for (std::size_t i = 0; i < kForm1.controls.size(); ++i) {
    const ControlDescription& label = kForm1.controls[i];
    if (label.buddy.empty()) continue;
    ASSERT_LT(i + 1, kForm1.controls.size());
    EXPECT_EQ(kForm1.controls[i + 1].name, label.buddy);
  }
}

}  // namespace
