#include "grid/print/print_metrics.h"

#include "grid/print/print_cell_look.h"

namespace tkm {

TPrintMetrics TPrintMetrics::Measure(const TPrintSettings& settings, const TColorScheme& scheme,
                                     TTextMeasurer& measurer) {
    TPrintMetrics m;
    const TCanvasFont table = CanvasFont(settings.Font, scheme, 1.0);
    m.HeaderTextHeight = measurer.Extent(CanvasFont(settings.HeaderFont, scheme, 1.0), "gh").Height;
    m.FooterTextHeight = measurer.Extent(CanvasFont(settings.FooterFont, scheme, 1.0), "gh").Height;
    m.TableTextHeight = measurer.Extent(table, "gh").Height;
    m.Gap = m.TableTextHeight / 8;
    m.Inset = measurer.Extent(table, "a").Width;
    m.Padding = settings.UseFixedWidth ? 0 : settings.ColumnSpacing + 20;
    m.PenWidth = settings.Borders == pbDouble ? 10 : 2;
    return m;
}

}  // namespace tkm
