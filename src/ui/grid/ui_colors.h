#pragma once

#include "grid/color_scheme.h"
#include "grid/grid_types.h"

#include <QColor>
#include <QPalette>

namespace tkm {

// The desktop palette's colours for the system roles, as the window shows them.
TColorScheme SchemeFromPalette(const QPalette& palette);

// A colour value with system roles resolved by the scheme; clNone is transparent.
QColor ToQColor(TColor color, const TColorScheme& scheme);

}  // namespace tkm
