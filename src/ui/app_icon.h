#pragma once

#include <QIcon>

namespace tkm {

// The program's own icon, drawn for each size from 16 by 16 pixels up: a
// note pad with a ticked entry. The window and the tray icon show it.
QIcon AppIcon();

}  // namespace tkm
