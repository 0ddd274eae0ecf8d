// SPDX-License-Identifier: Apache-2.0
// The window's wiring: every button does something, and each operation has a control of its kind.
#include "form/form1_wiring.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "form/form1_description.h"

namespace {

using form::ControlKind;
using form::kForm1Wiring;

// A button added to the description without a row of the wiring would do nothing.
TEST(Form1Wiring, EveryButtonIsWiredOnce) {
  for (const form::ControlDescription& control : form::kForm1.controls) {
    const auto wired =
        std::ranges::count(kForm1Wiring.clicks, control.name, &form::ClickWiring::button);
    EXPECT_EQ(wired, control.kind == ControlKind::kButton ? 1 : 0) << control.name;
  }
  for (const form::ClickWiring& click : kForm1Wiring.clicks) {
    EXPECT_TRUE(click.run != nullptr || click.endsProgram) << click.button;
  }
}

TEST(Form1Wiring, OperationsUseControlsOfTheirKind) {
  const struct {
    std::string_view control;
    ControlKind kind;
  } cases[] = {{kForm1Wiring.entry, ControlKind::kTextBox},
               {kForm1Wiring.results, ControlKind::kResultsBox},
               {kForm1Wiring.metroList, ControlKind::kDropDownCombo}};
  for (const auto& c : cases) {
    const form::ControlDescription* control = form::FindControl(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->kind, c.kind) << c.control;
  }
}

}  // namespace
