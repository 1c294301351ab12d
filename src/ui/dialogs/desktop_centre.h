#pragma once

class QWidget;

namespace tkm {

// Moves a dialog that is not shown yet to the middle of the desktop's free
// area, frame included, on its owner's screen (its own without one).
void CentreOnDesktop(QWidget& dialog, const QWidget* owner);

}  // namespace tkm
