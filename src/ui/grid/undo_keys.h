#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace tkm {

// Undo and Redo belong to an editor only while it has typing of its own to
// take back or make again; otherwise they go to the window and act on the
// table, which an editor that is nearly always open would hide from the keys.
inline bool LeavesUndoKeyToWindow(const QKeyEvent& key, const QLineEdit* text) {
    if (key.matches(QKeySequence::Undo)) return !text || !text->isUndoAvailable();
    if (key.matches(QKeySequence::Redo)) return !text || !text->isRedoAvailable();
    return false;
}

}  // namespace tkm
