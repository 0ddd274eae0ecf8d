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
