#pragma once

#include <QApplication>

namespace tkm {

// Shows the wait cursor, or the busy one for work that lets the user go on,
// for as long as it lives.
class TWaitCursor {
public:
    explicit TWaitCursor(Qt::CursorShape shape = Qt::WaitCursor) { QApplication::setOverrideCursor(shape); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace tkm
