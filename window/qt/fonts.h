// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, and the stand-ins for it.
#pragma once

#include <QString>
#include <QStringList>

namespace window {

// form::DialogFontFamily() as Qt text.
QString DialogFontFamily();

// form::DialogFontSubstitutes() as Qt text.
QStringList DialogFontSubstitutes();

// Lets the window's fonts fall back on the substitutes. Has to run before the first widget is
// made.
void InstallFontSubstitutes();

}  // namespace window
