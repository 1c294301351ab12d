#pragma once

#include "grid/grid_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tkm {

// The ordinal values of these enumerations are stored in print settings files.
enum TPrintPosition : std::uint8_t {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter,
};

enum TPrintBorders : std::uint8_t {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom,
};

enum TFitToPage : std::uint8_t {
    fpNever,
    fpGrow,
    fpShrink,
    fpAlways,
    fpCustom,
};

enum TPenStyle : std::uint8_t {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
};

enum class TPrintOrientation : std::uint8_t { Portrait, Landscape };

constexpr bool IsTopPosition(TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; }
constexpr bool IsBottomPosition(TPrintPosition p) { return p >= ppBottomLeft && p <= ppBottomCenter; }
constexpr bool IsLeftPosition(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }

// A font as the settings name it; the printed height follows from the point size.
struct TPrintFont {
    std::string Family = "Arial";
    int PointSize = 9;
    std::uint8_t Styles = 0;  // TFontStyle bits
    TColor Color = clWindowText;
    bool operator==(const TPrintFont&) const = default;
};

// How the grid prints. Lengths are whole tenths of a millimetre. A default
// record holds the neutral values; TaskGrid() the values the task list prints with.
struct TPrintSettings {
    int FooterSize = 0;
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    std::string TitleText;
    std::vector<std::string> TitleLines;
    TPrintFont Font;
    TPrintFont HeaderFont;
    TPrintFont FooterFont;
    TPrintBorders Borders = pbNoborder;
    TPenStyle BorderStyle = psSolid;
    bool Centered = false;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrintOrientation Orientation = TPrintOrientation::Portrait;
    std::string PagePrefix;
    std::string PageSuffix;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    int FixedWidth = 0;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    std::string JobName;
    std::string PageNumSep = "/";
    bool NoAutoSize = false;
    bool PrintGraphics = false;

    bool operator==(const TPrintSettings&) const = default;

    static TPrintSettings TaskGrid();
};

}  // namespace tkm
