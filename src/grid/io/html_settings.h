#pragma once

#include "grid/cell_style.h"
#include "grid/color_scheme.h"

#include <functional>
#include <string>
#include <vector>

namespace tkm {

// The grid's HTML settings and the grid properties its web page reads. The
// defaults are the task grid's.
struct THtmlSettings {
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    int Width = 100;  // percent
    std::string TableStyle;  // extra text inside the table tag
    std::string PrefixTag;   // a line before the table
    std::string SuffixTag;   // a line after it
    std::string HeaderFile;  // a file whose lines come first
    std::string FooterFile;  // a file whose lines come last
    bool SaveColor = true;
    bool SaveFonts = true;
    bool XHTML = false;
    std::vector<int> ColumnWidths;  // per display column

    bool WordWrap = false;
    bool UrlShow = true;  // web and mail addresses become links
    bool UrlFull = true;  // a link shows the whole address
    bool WriteFixedCells = true;
    TColor FixedColor = clBtnFace;
    // Turns the system colours of the fixed colour and the cells' styles into RGB.
    TColorScheme Scheme = TColorScheme::Classic();
};

// The screen colour routine for one data cell: given the display column, the
// real column behind it and the row, it changes the brush and font prepared
// with clNone, the marker for "no colour". What is left clNone is not written.
using THtmlCellColors = std::function<void(int displayCol, int realCol, int row, TCellStyle& style)>;

}  // namespace tkm
