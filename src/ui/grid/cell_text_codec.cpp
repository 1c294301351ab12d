#include "ui/grid/cell_text_codec.h"

#include "base/windows_1252.h"

namespace tkm {

namespace {

bool IsAscii(std::string_view bytes) {
    for (unsigned char c : bytes)
        if (c >= 0x80) return false;
    return true;
}

}  // namespace

QString CellToDisplay(std::string_view bytes) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    // The same judgement as the search's, so Find matches what is shown.
    if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (unsigned char c : bytes) text += QChar(char16_t(Windows1252ToUnicode(c)));
    return text;
}

std::string DisplayToCell(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tkm
