// SPDX-License-Identifier: Apache-2.0
// Fallback families for the window's classic font.
#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace window {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                         QStringLiteral("DejaVu Sans")});
}

}  // namespace window
