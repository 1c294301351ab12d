#pragma once

#include <QFont>

namespace tkm {

// The desktop's general font at a point size: it stands in for the Windows
// screen fonts ("MS Sans Serif", "Tahoma", "Arial"), so the window and its
// dialogs share one family, as every native program does.
QFont ScreenFont(int pointSize);

}  // namespace tkm
