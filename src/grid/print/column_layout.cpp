#include "grid/print/column_layout.h"

#include "grid/base_grid.h"

#include <algorithm>
#include <cmath>

namespace tkm {

namespace {

// The widths the columns have on screen.
std::vector<int> ScreenColumnWidths(const TBaseGrid& grid, int screenDpi) {
    std::vector<int> widths(grid.ColCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        widths[c] = int(std::lround((grid.ColWidth(c) - 4) * 254.0 / screenDpi));
    return widths;
}

}  // namespace

TCellSizes MeasureCells(const TBaseGrid& grid, const std::vector<int>& realCols, const TPrintSettings& settings,
                        TCellMeasurer& measurer, int screenDpi, TProgressReporter* progress, int rows) {
    TCellSizes sizes;
    rows = std::clamp(rows, 0, grid.RowCount());
    const bool measureWidths = !settings.NoAutoSize && !settings.UseFixedWidth;
    const bool fixedWidths = settings.UseFixedWidth && rows > 0;
    if (settings.NoAutoSize)
        sizes.ColumnWidths = ScreenColumnWidths(grid, screenDpi);
    else
        sizes.ColumnWidths.assign(realCols.size(), fixedWidths ? settings.FixedWidth : 0);
    sizes.RowHeights.assign(std::size_t(rows), settings.FixedHeight);
    if (!measureWidths && settings.UseFixedHeight) return sizes;

    for (int row = 0; row < rows; ++row) {
        if (progress) progress->Report(row);
        int height = 0;
        for (std::size_t c = 0; c < realCols.size(); ++c) {
            const int realCol = realCols[c];
            if (measureWidths) {
                const TTextExtent size = measurer.Size(realCol, row, grid.CellView(realCol, row));
                sizes.ColumnWidths[c] = std::max(sizes.ColumnWidths[c], size.Width);
                height = std::max(height, size.Height);
            } else {
                height = std::max(height, measurer.Height(realCol, row, grid.CellView(realCol, row)));
            }
        }
        if (!settings.UseFixedHeight) sizes.RowHeights[row] = height;
    }
    return sizes;
}

double FitToPage(std::vector<int>& widths, int padding, int pageWidth, const TPrintSettings& settings) {
    if (settings.FitToPage == fpNever || widths.empty()) return 1.0;
    long long total = 0;
    for (const int w : widths) total += w + padding;
    const long long paddings = (long long)widths.size() * padding;
    // The factor is room / text, kept as a fraction so the widths come out exact.
    const long long text = total - paddings;
    // Margins wider than the page leave nothing to scale to, not negative widths.
    const long long room = std::max(pageWidth - (settings.LeftSize + settings.RightSize + paddings), 0LL);
    if (text <= 0 || room == text) return 1.0;
    if ((settings.FitToPage == fpShrink && room > text) || (settings.FitToPage == fpGrow && room < text)) return 1.0;
    for (int& w : widths) w = int(w * room / text);
    return double(room) / double(text);
}

std::vector<TColumnGroup> ColumnGroups(const std::vector<int>& widths, int padding, int pageWidth,
                                       int fixedCols, const TPrintSettings& settings) {
    std::vector<TColumnGroup> groups;
    const int count = int(widths.size());
    int next = 0;
    while (next < count) {
        TColumnGroup group;
        if (settings.RepeatFixedCols && next > 0)
            for (int c = 0; c < std::min(fixedCols, next); ++c) group.Cols.push_back(c);
        long long used = 0;
        do {
            used += widths[next] + padding;
            group.Cols.push_back(next++);
        } while (next < count && used + widths[next] + padding <= pageWidth - settings.RightSize);

        int edge = settings.Centered ? 0 : settings.LeftSize;
        for (const int c : group.Cols) {
            group.Lefts.push_back(edge);
            edge += widths[c] + padding;
        }
        const int total = edge - group.Lefts.front();
        if (settings.Centered && total < pageWidth) {
            const int shift = (pageWidth - total) / 2;
            for (int& left : group.Lefts) left += shift;
            edge += shift;
        }
        group.Right = edge;
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace tkm
