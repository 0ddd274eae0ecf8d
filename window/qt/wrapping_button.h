// SPDX-License-Identifier: Apache-2.0
// A push button whose caption wraps onto several lines.
#pragma once

#include <QPushButton>

namespace window {

// A push button whose caption wraps at word boundaries onto as many lines as the button needs.
// text() stays the whole caption, so mnemonics and accessibility work as for any button.
class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

  using QPushButton::QPushButton;

  // Where the caption is drawn, with kCaptionFlags.
  QRect CaptionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace window
