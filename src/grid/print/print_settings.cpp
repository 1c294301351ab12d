#include "grid/print/print_settings.h"

namespace tkm {

TPrintSettings TPrintSettings::TaskGrid() {
    TPrintSettings s;
    s.PageNr = ppBottomRight;
    s.Title = ppTopCenter;
    s.Font = {"Arial", 9, 0, clWindowText};
    s.HeaderFont = {"Arial", 10, 0, clWindowText};
    s.FooterFont = {"Arial", 9, 0, clWindowText};
    s.Borders = pbSingle;
    s.RepeatFixedRows = true;
    s.LeftSize = 25;
    s.RightSize = 25;
    s.Orientation = TPrintOrientation::Landscape;
    return s;
}

}  // namespace tkm
