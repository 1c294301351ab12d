#pragma once

#include "base/locale_formats.h"
#include "grid/color_scheme.h"
#include "grid/long_step.h"
#include "grid/print/layout_run.h"
#include "grid/print/print_canvas.h"
#include "grid/print/print_cell_look.h"
#include "grid/print/print_settings.h"

#include <climits>
#include <functional>
#include <optional>
#include <string>

namespace tkm {

class Clock;
class TBaseGrid;

// Prints a grid: counts its pages, prints them as one job, or draws one page
// of a preview. Every run starts from the grid as it is at that moment.
class TPrintEngine {
public:
    TPrintEngine(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                 const TLocaleFormats& formats, const Clock& clock);

    void SetOnGetCellPrintColor(TPrintColorEvent event) {
        onGetCellPrintColor_ = std::move(event);
        preview_ = {};  // the colours may choose other fonts
    }
    void SetOnGetCellPrintText(TPrintTextEvent event) {
        onGetCellPrintText_ = std::move(event);
        preview_ = {};  // other texts take other widths
    }
    // Shows how far laying out the whole grid has come, before a print or a
    // preview draws a page; Cancel there ends the job unprinted with EAbort.
    // The preview's drawing never reports: it lays out first (LayOutPreview).
    void SetProgressView(TStepProgressView* view, std::chrono::milliseconds showAfter = TLongStep::NoticeableTime) {
        progressView_ = view;
        progressShowAfter_ = showAfter;
    }
    // The screen's resolution, for column widths taken from the screen; 0 when unknown.
    void SetScreenDpi(int dpi) { screenDpi_ = dpi; }
    // The job's name when the settings name none: the document's.
    void SetDocumentName(std::string name) { documentName_ = std::move(name); }
    const TPrintSettings& Settings() const { return settings_; }

    int CountPages(TPrintCanvas& canvas, TPageArea area) const;
    // Prints pages `first` to `last` (1-based, every page by default) on
    // `printer` as one job; printer failures reach the caller.
    void Print(TPrintTarget& printer, int first = 1, int last = INT_MAX) const;

    // The preview shows one page at a time, laid out for the target rectangle.
    // Its layout is kept between drawings until the grid, the settings or the
    // rectangle change, so turning a page lays out no other page.
    void SetPreviewPage(int page) { previewPage_ = page; }
    int PreviewPage() const { return previewPage_; }
    int PreviewPageCount() const { return previewPageCount_; }
    // Fast: only page 1 is shown, only its rows are measured (a long list's
    // widths may come out narrower than on paper), and the page numbers read a
    // count of 1.
    void SetPreviewFast(bool fast) { previewFast_ = fast; }
    bool PreviewFast() const { return previewFast_; }
    // Lays out the pages a preview shows, with the progress view, so that
    // drawing them finds the layout made.
    void LayOutPreview(TPrintCanvas& canvas, TPageArea area);
    void DrawPreview(TPrintCanvas& canvas, TPageArea area);
    // The page last drawn: "2-1" for the second page of the first group of
    // columns where the columns take several, else "2"; empty before any drawing.
    std::string PreviewPageNumber() const;
    // The sheet a print would use in an orientation, for the preview to lay
    // its pages out on; none when nobody told.
    using TSheetSource = std::function<TPrintSheet(TPrintOrientation)>;
    void SetSheetSource(TSheetSource source) { sheetSource_ = std::move(source); }
    std::optional<TPrintSheet> PreviewSheet() const;

    static TPageArea AreaOf(const TDeviceArea& device);

private:
    TLayoutInputs Inputs(const TFileProgressHandler& onProgress) const;
    TLayoutScope PreviewScope() const;
    // Lays the preview out up to its page; the pages to draw.
    TDrawRange PreviewRange(TLayoutRun& run);

    const TBaseGrid& grid_;
    const TPrintSettings& settings_;
    const TColorScheme& scheme_;
    const TLocaleFormats& formats_;
    const Clock& clock_;
    TPrintColorEvent onGetCellPrintColor_;
    TPrintTextEvent onGetCellPrintText_;
    TStepProgressView* progressView_ = nullptr;
    std::chrono::milliseconds progressShowAfter_{};
    TSheetSource sheetSource_;
    std::string documentName_;
    int screenDpi_ = 96;
    int previewPage_ = 1;
    int previewPageCount_ = 0;
    bool previewFast_ = false;
    TPageLayout preview_;
};

}  // namespace tkm
