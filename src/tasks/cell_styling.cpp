#include "tasks/cell_styling.h"

#include "grid/base_grid.h"
#include "tasks/task_table.h"

namespace tkm {

TCellStyler::TCellStyler(const TBaseGrid& grid, const TStylingInputs& inputs)
    : grid_(grid), today_(inputs.Today), formats_(inputs.Formats), colorPrinting_(inputs.ColorPrinting),
      darkWindow_(inputs.DarkWindow) {}

TCellStyle TCellStyler::ScreenStyle(int displayCol, int row) const {
    const bool fixedRow = row < grid_.FixedRows();
    TCellStyle style;
    style.Brush = fixedRow || displayCol < grid_.FixedCols() ? clBtnFace : clWindow;
    style.FontColor = clWindowText;
    if (fixedRow && displayCol == grid_.Col()) {
        style.ActiveCellFont = true;
        style.FontStyles = fsBold;
    }
    ApplyRules(row, style);
    if (darkWindow_) {
        style.Brush = DarkTwinOf(style.Brush);
        style.FontColor = DarkTwinOf(style.FontColor);
    }
    return style;
}

void TCellStyler::ApplyPrintRules(int row, TCellStyle& prepared) const {
    if (colorPrinting_) ApplyRules(row, prepared);
}

// Whole rows look alike, so a row's facts are read once for all its cells.
void TCellStyler::ApplyRules(int row, TCellStyle& style) const {
    if (row < grid_.FixedRows() || row >= grid_.RowCount() || grid_.RealColCount() <= colDueDate) return;
    if (row != factsRow_) {
        facts_ = ReadRowFacts(grid_.CellView(colStatus, row), grid_.CellView(colPriority, row),
                              grid_.CellView(colDueDate, row), today_, formats_);
        factsRow_ = row;
    }
    ApplyColorRules(facts_, style);
}

THtmlCellColors ScreenColorsForExport(const TBaseGrid& grid, const TStylingInputs& inputs) {
    return [styler = TCellStyler(grid, inputs)](int displayCol, int, int row, TCellStyle& style) {
        const TCellStyle screen = styler.ScreenStyle(displayCol, row);
        style.Brush = screen.Brush;
        style.FontColor = screen.FontColor;
        style.FontStyles = screen.FontStyles;
    };
}

}  // namespace tkm
