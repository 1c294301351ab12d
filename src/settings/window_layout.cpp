#include "settings/window_layout.h"

#include <climits>

namespace tkm {

namespace {

std::string ColumnKey(std::size_t col) { return "Column" + std::to_string(col); }

}  // namespace

void TWindowLayout::LoadFrom(const TIniDocument& ini, const std::string& section) {
    Place.reset();
    ColumnWidths.clear();
    const auto read = [&](const char* key) { return ini.ReadInteger(section, key, INT_MIN); };
    const TPlace place{read("Left"), read("Top"), read("Width"), read("Height")};
    const bool onScreen = place.Left > -MaxSize && place.Left < MaxSize && place.Top > -MaxSize && place.Top < MaxSize;
    const bool sized = place.Width > 0 && place.Width <= MaxSize && place.Height > 0 && place.Height <= MaxSize;
    if (onScreen && sized) Place = place;
    Maximized = ini.ReadInteger(section, "Maximized", 0) != 0;
    for (std::size_t col = 0;; ++col) {
        const std::string key = ColumnKey(col);
        if (ini.ReadString(section, key, "\n") == "\n") break;
        const int width = ini.ReadInteger(section, key, 0);
        ColumnWidths.push_back(width >= MinColumnWidth && width <= MaxColumnWidth ? width : 0);
    }
}

void TWindowLayout::StoreTo(TIniDocument& ini, const std::string& section) const {
    ini.EraseSection(section);
    if (Place) {
        ini.WriteInteger(section, "Left", Place->Left);
        ini.WriteInteger(section, "Top", Place->Top);
        ini.WriteInteger(section, "Width", Place->Width);
        ini.WriteInteger(section, "Height", Place->Height);
    }
    ini.WriteInteger(section, "Maximized", Maximized ? 1 : 0);
    for (std::size_t col = 0; col < ColumnWidths.size(); ++col) ini.WriteInteger(section, ColumnKey(col), ColumnWidths[col]);
}

}  // namespace tkm
