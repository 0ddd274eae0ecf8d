// SPDX-License-Identifier: Apache-2.0
// What the main window's controls do: the event procedures that the window's events run, and the
// controls that the four main-window operations use.
#include "form/form1_wiring.h"

#include "area_code_lookup.h"
#include "metro_areas.h"

namespace form {

namespace {

constexpr ClickWiring kClicks[] = {
    {.button = "Command1", .run = lookup::Command1_Click},
    {.button = "Command2", .run = lookup::Command2_Click},
    {.button = "Command3", .endsProgram = true},  // Command3_Click, "Exit"
};

}  // namespace

const FormWiring kForm1Wiring = {
    .load = lookup::Form_Load,
    .clicks = kClicks,
    .entry = "Text1",
    .results = "Text2",
    .metroList = "Combo1",
};

bool RunClick(const ClickWiring& click, lookup::MainWindowOperations& window) {
  if (click.run != nullptr) click.run(window);
  return click.endsProgram;
}

}  // namespace form
