// Any bytes load as print settings the form can show, what loaded survives a
// save and a reload, and a small list prints with it without a crash.
#include "grid/base_grid.h"
#include "grid/color_scheme.h"
#include "grid/print/print_engine.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/recording_canvas.h"
#include "settings/print_settings_file.h"

#include <cstdint>
#include <string>

namespace {

bool IsPosition(tkm::TPrintPosition p) { return p <= tkm::ppBottomCenter; }

bool InRange(const tkm::TPrintSettings& s) {
    return s.Borders <= tkm::pbCustom && s.BorderStyle <= tkm::psInsideFrame && s.FitToPage <= tkm::fpCustom &&
           s.Orientation <= tkm::TPrintOrientation::Landscape && IsPosition(s.Date) && IsPosition(s.Time) &&
           IsPosition(s.PageNr) && IsPosition(s.Title) && s.Font.Styles <= 15 && s.HeaderFont.Styles <= 15 &&
           s.FooterFont.Styles <= 15;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tkm::TPrintSettings settings = tkm::TPrintSettings::TaskGrid();
    tkm::ReadPrintSettings(tkm::TIniDocument::Parse(bytes), settings);
    if (!InRange(settings)) __builtin_trap();

    // Font styles only add when read, so the reload starts from plain fonts.
    tkm::TIniDocument saved;
    tkm::WritePrintSettings(settings, saved);
    tkm::TPrintSettings reloaded = settings;
    reloaded.Font.Styles = reloaded.HeaderFont.Styles = reloaded.FooterFont.Styles = 0;
    tkm::ReadPrintSettings(tkm::TIniDocument::Parse(saved.Text()), reloaded);
    if (reloaded != settings) __builtin_trap();

    // A header row and two entries, counted and previewed on a page of 2000 x 1000.
    tkm::TBaseGrid grid(3, 3);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) grid.SetCellText(c, r, std::string(std::size_t(c + r), 'w'));
    const tkm::TColorScheme scheme = tkm::TColorScheme::Classic();
    const tkm::TLocaleFormats formats;
    const tkm::FixedClock clock({2026, 12, 8}, {14, 5, 9});
    tkm::TPrintEngine engine(grid, settings, scheme, formats, clock);
    tkm::RecordingCanvas canvas;
    engine.SetPreviewPage(2);
    engine.DrawPreview(canvas, {2000, 1000});
    if (engine.PreviewPageCount() < 1) __builtin_trap();
    return 0;
}
