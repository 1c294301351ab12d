#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tkm {

// Cells hold bytes. They are shown as UTF-8 when they are valid UTF-8 and as
// Windows-1252 otherwise, so lists written on Windows stay legible.
QString CellToDisplay(std::string_view bytes);
// What the user typed, as cell bytes.
std::string DisplayToCell(const QString& text);

}  // namespace tkm
