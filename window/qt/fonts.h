// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, and the stand-ins for it.
#pragma once

#include <QString>
#include <QStringList>

namespace window {

// The family that the window's explicit fonts and its default font ask for: the classic dialog
// font "MS Sans Serif", or on Windows its scalable successor of the same metrics.
QString DialogFontFamily();

// The metric-alike families that stand in for the dialog font where it is missing; empty where
// the system always has it.
QStringList DialogFontSubstitutes();

// Lets the window's fonts fall back on the substitutes. Has to run before the first widget is
// made.
void InstallFontSubstitutes();

}  // namespace window
