#include "ui/dialogs/glyph_button.h"

#include <QPushButton>

namespace tkm {

QPushButton* GlyphButton(const char* name, QStyle::StandardPixmap glyph, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    button->setObjectName(name);
    button->setMinimumSize(75, 25);
    return button;
}

}  // namespace tkm
