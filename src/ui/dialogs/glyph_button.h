#pragma once

#include <QStyle>

class QPushButton;

namespace tkm {

// A dialog button with the style's glyph beside its caption, 75 x 25 at least.
QPushButton* GlyphButton(const char* name, QStyle::StandardPixmap glyph, const QString& caption, QWidget* parent);

}  // namespace tkm
