#include "ui/app/status_progress.h"

#include "base/errors.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace tkm {

TStatusProgress::TStatusProgress(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)),
      cancel_(new QPushButton(QCoreApplication::translate("TStatusProgress", "Cancel"), this)) {
    setObjectName("stbProgress");
    bar_->setObjectName("stbProgressBar");
    cancel_->setObjectName("stbProgressCancel");
    bar_->setRange(0, 100);
    bar_->setMinimumWidth(160);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    hide();
}

void TStatusProgress::Start(bool mayCancel) {
    running_ = true;
    mayCancel_ = mayCancel;
    cancelled_ = false;
    bar_->setValue(0);
    cancel_->setVisible(mayCancel);
    show();
    held_.clear();
    for (QWidget* open : QApplication::topLevelWidgets())
        if (open->isVisible() || open == window()) held_.emplace_back(open);
    qApp->installEventFilter(this);
    PaintWindow();
}

void TStatusProgress::PaintWindow() {
    // On screen before the file is read: a large one takes seconds before its
    // first percent. A window shown just now is mapped only when the display
    // server gets round to it, and the part a closing dialog uncovers is
    // painted only when the server says so: both could wait for the step's end.
    QWidget* shown = window();
    ProcessEvents();
    if (const QWindow* handle = shown->windowHandle(); shown->isVisible() && handle && !handle->isExposed()) {
        QEventLoop exposed;
        exposeWait_ = &exposed;  // the event filter ends it at the window's expose
        QTimer::singleShot(ExposeWaitMs, &exposed, &QEventLoop::quit);
        exposed.exec(QEventLoop::ExcludeSocketNotifiers);
        exposeWait_ = nullptr;
    }
    if (shown->isVisible()) shown->repaint();
}

void TStatusProgress::Step(int percent) {
    bar_->setValue(percent);
    ProcessEvents();
    if (cancelled_ && mayCancel_) {
        cancelled_ = false;
        throw EAbort();
    }
}

void TStatusProgress::ProcessEvents() {
    // Other cores may be reading the table: another instance's Open macro
    // waits, unread, until the operation is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
}

void TStatusProgress::Stop() {
    running_ = false;
    qApp->removeEventFilter(this);
    held_.clear();
    hide();
}

bool TStatusProgress::Held(const QWidget* window) const {
    return std::any_of(held_.begin(), held_.end(), [window](const QPointer<QWidget>& held) { return held == window; });
}

bool TStatusProgress::eventFilter(QObject* watched, QEvent* event) {
    if (exposeWait_ && event->type() == QEvent::Expose && watched == window()->windowHandle()) exposeWait_->quit();
    // A window the operation opens (a server's progress, a question) takes its input as always.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || watched == cancel_ || !Held(widget->window())) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) cancelled_ = true;
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        event->ignore();
        return true;
    default:
        return false;
    }
}

}  // namespace tkm
