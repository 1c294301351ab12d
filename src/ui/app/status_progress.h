#pragma once

#include "grid/long_step.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QEventLoop;
class QProgressBar;
class QPushButton;

namespace tkm {

// The status bar's progress bar for a long operation, with a Cancel button
// where stopping leaves nothing half done. While it runs the window repaints,
// but only Cancel and Escape reach it or any other window that was open when
// it started (the find form, a preview): a list half read, half written or
// half sorted must not be edited, searched, saved again or closed. Under a
// modal dialog Cancel cannot be clicked; Escape there stops the operation.
class TStatusProgress : public QWidget, public TStepProgressView {
public:
    explicit TStatusProgress(QWidget* parent);

    void Start(bool mayCancel) override;
    // Shows the percentage and lets the window repaint; EAbort once Cancel was
    // pressed (with `mayCancel`).
    void Step(int percent) override;
    void Stop() override;
    // Between Start and Stop: timers that would change the table wait for the end.
    bool Running() const { return running_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Long enough for a window manager to map a new window.
    static constexpr int ExposeWaitMs = 1000;

    void ProcessEvents();
    void PaintWindow();
    bool Held(const QWidget* window) const;

    QProgressBar* bar_;
    QPushButton* cancel_;
    std::vector<QPointer<QWidget>> held_;
    bool running_ = false;
    bool mayCancel_ = false;
    bool cancelled_ = false;
    QEventLoop* exposeWait_ = nullptr;  // while PaintWindow waits for the window to be mapped
};

}  // namespace tkm
