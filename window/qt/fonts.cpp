// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, and the stand-ins for it.
#include "fonts.h"

#include <QFont>

namespace window {

QString DialogFontFamily() {
#ifdef Q_OS_WIN
  // Windows still has "MS Sans Serif", as a bitmap font that does not scale on high-DPI screens.
  return QStringLiteral("Microsoft Sans Serif");
#else
  return QStringLiteral("MS Sans Serif");
#endif
}

QStringList DialogFontSubstitutes() {
#ifdef Q_OS_WIN
  return {};
#else
  return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
          QStringLiteral("DejaVu Sans")};
#endif
}

void InstallFontSubstitutes() {
  const QStringList substitutes = DialogFontSubstitutes();
  if (!substitutes.isEmpty()) QFont::insertSubstitutions(DialogFontFamily(), substitutes);
}

}  // namespace window
