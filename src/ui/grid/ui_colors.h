#pragma once

#include "grid/grid_types.h"

#include <QColor>
#include <QPalette>

namespace tkm {

// Resolves a colour value; system colours come from the desktop's palette.
QColor ToQColor(TColor color, const QPalette& palette);

}  // namespace tkm
