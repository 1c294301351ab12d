#pragma once

#include <QIcon>

namespace tkm {

enum class TCommandIcon { NewFile, Open, Save, Print, Find, Cut, Copy, Paste, AddEntry, Delete, AddMultiple, Calendar };

// The desktop theme's icon where it has one, else a small drawing of our own.
QIcon CommandIcon(TCommandIcon icon);

}  // namespace tkm
