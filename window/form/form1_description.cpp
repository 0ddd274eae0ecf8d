// SPDX-License-Identifier: Apache-2.0
// The main window as data: its caption, size and controls, which each system's window builds from.
#include "form/form1_description.h"

#include <algorithm>

#include "metro_areas.h"

namespace form {

using enum ControlKind;

// In the order of the window's stacking, a label before the control that it names.
const FormDescription kForm1 = {
    .name = "Form1",
    .caption = "Vantrel Area Code",
    .clientWidth = 6255,
    .clientHeight = 4530,
    .controls = {{
        {.name = "Label1",
         .id = 1000,
         .kind = kLabel,
         .caption = "Area Code",
         .rect = {840, 360, 1215, 495},
         .tabIndex = 3,
         .fontPoints = 12,
         .buddy = "Text1"},
        {.name = "Text1",
         .id = 1001,
         .kind = kTextBox,
         .rect = {840, 840, 1215, 495},
         .tabIndex = 0,
         .fontPoints = 13.5,
         .accessibleDescription = "A three-digit area code, 200 to 999"},
        {.name = "Combo1",
         .id = 1002,
         .kind = kDropDownCombo,
         .caption = lookup::kNoMetroChosen,
         .rect = {2640, 840, 1695, 315},
         .tabIndex = 7,
         .accessibleName = "Metro area",  // it has no label
         .accessibleDescription =
             "The metro areas of metro.txt; pick one, or type its name exactly"},
        {.name = "Command1",
         .id = 1003,
         .kind = kButton,
         .caption = "Where is that area code",
         .rect = {840, 1320, 1215, 735},
         .tabIndex = 1,
         .accessibleDescription = "Shows the region and cities of the area code entered"},
        {.name = "Command2",
         .id = 1004,
         .kind = kButton,
         .caption = "Area Codes in a metro area",
         .rect = {2640, 1320, 1095, 735},
         .tabIndex = 5,
         .accessibleDescription = "Shows the area codes of the metro area"},
        {.name = "Command3",
         .id = 1005,
         .kind = kButton,
         .caption = "Exit",
         .rect = {4320, 1320, 1095, 735},
         .tabIndex = 2,
         .accessibleDescription = "Ends the program"},
        {.name = "Label2",
         .id = 1006,
         .kind = kLabel,
         .caption = "Search results",
         .rect = {2040, 2280, 2055, 375},
         .tabIndex = 6,
         .fontPoints = 12,
         .buddy = "Text2"},
        {.name = "Text2",
         .id = 1007,
         .kind = kResultsBox,
         .rect = {0, 2760, 6255, 1695},
         .tabIndex = 4,
         .fontPoints = 9.75,
         .accessibleDescription = "The answer to the last lookup"},
    }},
};

const ControlDescription* FindControl(std::string_view name) {
  const auto found = std::ranges::find(kForm1.controls, name, &ControlDescription::name);
  return found != kForm1.controls.end() ? &*found : nullptr;
}

const ControlDescription* FindControl(int id) {
  const auto found = std::ranges::find(kForm1.controls, id, &ControlDescription::id);
  return found != kForm1.controls.end() ? &*found : nullptr;
}

bool TakesFocus(ControlKind kind) { return kind != kLabel; }

std::vector<const ControlDescription*> FocusOrder() {
  std::vector<const ControlDescription*> order;
  for (const ControlDescription& control : kForm1.controls) {
    if (TakesFocus(control.kind)) order.push_back(&control);
  }
  std::ranges::sort(order, {}, &ControlDescription::tabIndex);
  return order;
}

const ControlDescription& InitialFocus() { return *FocusOrder().front(); }

std::string_view AccessibleName(const ControlDescription& control) {
  if (!control.accessibleName.empty()) return control.accessibleName;
  const auto label = std::ranges::find(kForm1.controls, control.name, &ControlDescription::buddy);
  if (label != kForm1.controls.end()) return label->caption;
  return control.caption;
}

}  // namespace form
