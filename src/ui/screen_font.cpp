#include "ui/screen_font.h"

#include <QFontDatabase>

namespace tkm {

QFont ScreenFont(int pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace tkm
