#include "grid/print/column_layout.h"

#include "grid/base_grid.h"

#include <algorithm>
#include <cmath>

namespace tkm {

std::vector<int> MeasuredColumnWidths(const TBaseGrid& grid, const std::vector<int>& realCols,
                                      const TPrintSettings& settings, const TPrintCellLooks& looks,
                                      TTextMeasurer& measurer) {
    std::vector<int> widths(realCols.size(), 0);
    if (settings.UseFixedWidth) {
        if (grid.RowCount() > 0) std::fill(widths.begin(), widths.end(), settings.FixedWidth);
        return widths;
    }
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (std::size_t c = 0; c < realCols.size(); ++c) {
            // Measured in the font the cell prints in: a bold cell is wider.
            const TPrintedCellLook look = looks.Look(realCols[c], row, 1.0);
            std::string_view text = grid.CellView(realCols[c], row);
            if (text.empty()) text = "gh";
            widths[c] = std::max(widths[c], measurer.Extent(look.Font, text).Width);
        }
    }
    return widths;
}

std::vector<int> ScreenColumnWidths(const TBaseGrid& grid, int screenDpi) {
    std::vector<int> widths(grid.ColCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        widths[c] = int(std::lround((grid.ColWidth(c) - 4) * 254.0 / screenDpi));
    return widths;
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
