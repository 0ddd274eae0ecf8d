// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, and the stand-ins for it.
#include "fonts.h"

#include <QFont>

#include "form/dialog_font.h"

namespace window {
namespace {

QString FromAscii(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString DialogFontFamily() { return FromAscii(form::DialogFontFamily()); }

QStringList DialogFontSubstitutes() {
  QStringList substitutes;
  for (std::string_view family : form::DialogFontSubstitutes()) substitutes << FromAscii(family);
  return substitutes;
}

void InstallFontSubstitutes() {
  const QStringList substitutes = DialogFontSubstitutes();
  if (!substitutes.isEmpty()) QFont::insertSubstitutions(DialogFontFamily(), substitutes);
}

}  // namespace window
