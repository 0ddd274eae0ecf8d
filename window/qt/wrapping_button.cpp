// SPDX-License-Identifier: Apache-2.0
// A push button whose caption wraps onto several lines.
#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {

QRect WrappingButton::CaptionRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the style draws the bevel and focus frame, the caption is drawn below
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect caption = CaptionRect();
  if (isDown() || isChecked()) {
    caption.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                      style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  painter.drawItemText(caption, kCaptionFlags, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}

}  // namespace window
