#pragma once

#include "grid/base_grid.h"
#include "grid/color_scheme.h"
#include "grid/print/print_engine.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tkm::testing {

// The task list's print settings on the recording canvas, whose metrics give:
// table and footer text 31 high (bytes 15 wide, 16 in bold), header text 35
// high, gap 3, inset 15, padding 20, rows 40 apart; a title at the top keeps
// 38 free, a page number at the bottom 68. The page is 2000 x 1000.
class PrintTest : public ::testing::Test {
protected:
    static constexpr TPageArea Page{2000, 1000};
    static constexpr int RowPitch = 40;
    static constexpr int TopBlock = 38;

    PrintTest() { grid.SetFixedCols(0); }

    // Rows of `cols` cells "rR cC"; row 0 holds the headers given.
    void Fill(const std::vector<std::string>& headers, int entries) {
        grid.SetColCount(int(headers.size()));
        grid.SetRowCount(entries + 1);
        for (int c = 0; c < int(headers.size()); ++c) {
            grid.SetCellText(c, 0, headers[c]);
            for (int r = 1; r <= entries; ++r)
                grid.SetCellText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
        }
    }

    RecordingCanvas PreviewOf(int page, TPageArea area = Page) {
        RecordingCanvas canvas;
        engine.SetPreviewPage(page);
        engine.DrawPreview(canvas, area);
        return canvas;
    }

    // The filled cell rectangles of one page, in drawing order.
    static std::vector<TPrintRect> CellsOn(const RecordingCanvas& canvas, int page) {
        std::vector<TPrintRect> cells;
        for (const auto& fill : canvas.Fills)
            if (fill.Page == page) cells.push_back(fill.Rect);
        return cells;
    }

    static const RecordingCanvas::TText* Find(const RecordingCanvas& canvas, const std::string& text, int page = 1) {
        for (const auto& t : canvas.Texts)
            if (t.Page == page && t.Text == text) return &t;
        return nullptr;
    }

    // Texts written without clipping: the header and footer items.
    static std::vector<std::string> DecorationsOn(const RecordingCanvas& canvas, int page) {
        std::vector<std::string> out;
        for (const auto& t : canvas.TextsOn(page))
            if (!t.Clipped) out.push_back(t.Text);
        return out;
    }

    TBaseGrid grid{3, 1};
    TPrintSettings settings = TPrintSettings::TaskGrid();
    TColorScheme scheme = TColorScheme::Classic();
    TLocaleFormats formats;
    FixedClock clock{{2026, 12, 8}, {14, 5, 9}};
    TPrintEngine engine{grid, settings, scheme, formats, clock};
};

}  // namespace tkm::testing
