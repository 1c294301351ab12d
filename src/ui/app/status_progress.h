#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace tkm {

// The status bar's progress bar for a long file operation, with a Cancel
// button where stopping leaves nothing half done. While it runs the window
// repaints, but only Cancel and Escape reach it: a list half read or half
// written must not be edited, saved again or closed.
class TStatusProgress : public QWidget {
public:
    explicit TStatusProgress(QWidget* parent);

    void Start(bool mayCancel);
    // Shows the percentage and lets the window repaint; EAbort once Cancel was
    // pressed (with `mayCancel`).
    void Step(int percent);
    void Stop();
    // Between Start and Stop: timers that would change the table wait for the end.
    bool Running() const { return running_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ProcessEvents();

    QProgressBar* bar_;
    QPushButton* cancel_;
    bool running_ = false;
    bool mayCancel_ = false;
    bool cancelled_ = false;
};

}  // namespace tkm
