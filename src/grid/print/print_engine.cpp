#include "grid/print/print_engine.h"

#include "platform/clock.h"

#include <algorithm>

namespace tkm {

TPrintEngine::TPrintEngine(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                           const TLocaleFormats& formats, const Clock& clock)
    : grid_(grid), settings_(settings), scheme_(scheme), formats_(formats), clock_(clock) {}

TLayoutInputs TPrintEngine::Inputs(const TFileProgressHandler& onProgress) const {
    // An unknown screen resolution maps one screen pixel to one printer unit.
    const int dpi = screenDpi_ > 0 ? screenDpi_ : 254;
    return {grid_,          settings_,     scheme_,     formats_, onGetCellPrintColor_, onGetCellPrintText_,
            onProgress,     clock_.Today(), clock_.Now(), dpi};
}

TPageArea TPrintEngine::AreaOf(const TDeviceArea& device) {
    if (device.DpiX <= 0 || device.DpiY <= 0) throw EGridError("The printer reports no resolution");
    return {int((long long)device.WidthPixels * 254 / device.DpiX),
            int((long long)device.HeightPixels * 254 / device.DpiY)};
}

int TPrintEngine::CountPages(TPrintCanvas& canvas, TPageArea area) const {
    const TLongStep step(progressView_, true, progressShowAfter_);
    const TLayoutInputs inputs = Inputs(step.Handler());
    TPageLayout layout;
    return TLayoutRun(inputs, canvas, area, layout).Paginate();
}

void TPrintEngine::Print(TPrintTarget& printer, int first, int last) const {
    printer.SetOrientation(settings_.Orientation);
    const TLongStep step(progressView_, true, progressShowAfter_);
    const TLayoutInputs inputs = Inputs(step.Handler());
    TPageLayout layout;
    TLayoutRun run(inputs, printer.Canvas(), AreaOf(printer.PrintableArea()), layout);
    const int count = run.Paginate();
    printer.BeginDoc(settings_.JobName.empty() ? documentName_ : settings_.JobName);
    try {
        run.Draw({std::max(first, 1), std::min(last, count), count}, &printer);
    } catch (...) {
        printer.AbortDoc();
        throw;
    }
    printer.EndDoc();
}

std::optional<TPrintSheet> TPrintEngine::PreviewSheet() const {
    if (!sheetSource_) return std::nullopt;
    return sheetSource_(settings_.Orientation);
}

TLayoutScope TPrintEngine::PreviewScope() const {
    return previewFast_ ? TLayoutScope::FirstPage : TLayoutScope::AllPages;
}

TDrawRange TPrintEngine::PreviewRange(TLayoutRun& run) {
    if (previewFast_) {
        previewPageCount_ = 1;
        previewPage_ = 1;
        return {1, run.Paginate(1), 1};
    }
    previewPageCount_ = run.Paginate();
    previewPage_ = std::clamp(previewPage_, 1, std::max(previewPageCount_, 1));
    return {previewPage_, std::min(previewPage_, previewPageCount_), previewPageCount_};
}

void TPrintEngine::LayOutPreview(TPrintCanvas& canvas, TPageArea area) {
    const TLongStep step(progressView_, true, progressShowAfter_);
    const TLayoutInputs inputs = Inputs(step.Handler());
    TLayoutRun run(inputs, canvas, area, preview_, PreviewScope());
    PreviewRange(run);
}

void TPrintEngine::DrawPreview(TPrintCanvas& canvas, TPageArea area) {
    // Drawing happens while the window paints, where no progress may run its events.
    const TFileProgressHandler silent;
    const TLayoutInputs inputs = Inputs(silent);
    TLayoutRun run(inputs, canvas, area, preview_, PreviewScope());
    run.Draw(PreviewRange(run), nullptr);
}

std::string TPrintEngine::PreviewPageNumber() const {
    if (previewPage_ < 1 || previewPage_ > int(preview_.Starts.size())) return {};
    const TPageStart& start = preview_.Starts[std::size_t(previewPage_ - 1)];
    if (preview_.Groups.size() > 1) return std::to_string(start.PageInGroup) + "-" + std::to_string(start.Group + 1);
    return std::to_string(previewPage_);
}

}  // namespace tkm
