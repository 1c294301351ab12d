#include "platform/qt/qt_tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace tkm {

namespace {

// Qt says nothing when a tray comes or goes: it is asked this often.
constexpr int AvailabilityPollMs = 2000;

// Where a status notifier watcher runs, Qt shows the icon as a status
// notifier item (Plasma, GNOME with its extension): those report one
// "activate" click and never a double-click.
bool ActivatedBySingleClick() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered("org.kde.StatusNotifierWatcher").value();
}

}  // namespace

TTrayIcon::TTrayIcon(const QIcon& icon, QObject* parent)
    : QObject(parent), icon_(icon), available_(QSystemTrayIcon::isSystemTrayAvailable()),
      activatedBySingleClick_(ActivatedBySingleClick()) {
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        Activated(reason);
    });
    connect(&icon_, &QSystemTrayIcon::messageClicked, this, [this] {
        if (OnMessageClicked) OnMessageClicked();
    });
    connect(&availabilityPoll_, &QTimer::timeout, this, [this] { CheckAvailability(); });
    availabilityPoll_.start(AvailabilityPollMs);
}

void TTrayIcon::Show(const std::string& hint, std::vector<TTrayMenuItem> menu) {
    items_ = std::move(menu);
    menu_.clear();
    FillMenu(menu_, items_);
    icon_.setToolTip(QString::fromStdString(hint));
    wanted_ = true;
    icon_.show();
}

void TTrayIcon::Hide() {
    wanted_ = false;
    icon_.hide();
}

void TTrayIcon::ShowMessage(const std::string& title, const std::string& text) {
    icon_.showMessage(QString::fromStdString(title), QString::fromStdString(text), icon_.icon());
}

void TTrayIcon::FillMenu(QMenu& target, const std::vector<TTrayMenuItem>& items) {
    for (const TTrayMenuItem& item : items) {
        const QString caption = QString::fromStdString(item.Caption);
        if (caption.isEmpty()) {
            target.addSeparator();
        } else if (!item.Items.empty()) {
            QMenu* sub = target.addMenu(caption);
            sub->setObjectName(QString::fromStdString(item.Name));
            FillMenu(*sub, item.Items);
        } else {
            QAction* action = target.addAction(caption);
            action->setObjectName(QString::fromStdString(item.Name));
            action->setCheckable(item.Checkable);
            action->setChecked(item.Checked);
            connect(action, &QAction::triggered, this, [run = item.Run] {
                if (run) run();
            });
        }
    }
}

void TTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason) {
    // The activating click stands for the double-click, or the window would
    // never come back out of such a tray.
    const bool showsOrHides =
        reason == QSystemTrayIcon::DoubleClick || (reason == QSystemTrayIcon::Trigger && activatedBySingleClick_);
    if (showsOrHides) {
        if (OnDoubleClick) OnDoubleClick();
    } else if (reason == QSystemTrayIcon::Trigger && OnClick) {
        OnClick();
    }
}

void TTrayIcon::CheckAvailability() {
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available == available_) return;
    available_ = available;
    // A tray that starts after the program gets the icon too.
    if (available && wanted_) {
        icon_.hide();
        icon_.show();
    }
    if (OnAvailabilityChanged) OnAvailabilityChanged(available);
}

}  // namespace tkm
