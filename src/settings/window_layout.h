#pragma once

#include "settings/ini_storable.h"

#include <optional>
#include <vector>

namespace tkm {

// The main window as the user left it: its size and place when not maximised,
// whether it was maximised, and each column's width by real column, kept in
// a section of its own. Values no window could have are not taken.
class TWindowLayout final : public TIniStorable {
public:
    static constexpr int MaxSize = 32767;
    static constexpr int MinColumnWidth = 4;
    static constexpr int MaxColumnWidth = 4000;

    struct TPlace {
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        bool operator==(const TPlace&) const = default;
    };

    std::optional<TPlace> Place;
    bool Maximized = false;
    // 0 where a column has no width stored.
    std::vector<int> ColumnWidths;

    void LoadFrom(const TIniDocument& ini, const std::string& section) override;
    void StoreTo(TIniDocument& ini, const std::string& section) const override;
};

}  // namespace tkm
