#include "platform/qt/qt_tray_icon.h"

#include "platform/qt/xcb_atom.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// The window manager's skip-taskbar state, on X11; other window systems keep the button.
void SetSkipTaskbar(QWidget& window, bool skip) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const auto id = xcb_window_t(window.winId());
    if (window.isVisible()) {
        // A mapped window asks the window manager.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = state;
        event.data.data32[0] = skip ? 1 : 0;  // add or remove
        event.data.data32[1] = skipTaskbar;
        event.data.data32[3] = 1;  // asked by the application
        xcb_send_event(connection, 0, RootWindow(connection), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    } else {
        // A hidden window carries it in its state for the next mapping, beside Qt's own states.
        const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
        std::vector<xcb_atom_t> atoms;
        if (reply && reply->format == 32) {
            const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            atoms.assign(values, values + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        std::erase(atoms, skipTaskbar);
        if (skip) atoms.push_back(skipTaskbar);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, std::uint32_t(atoms.size()),
                            atoms.data());
    }
    xcb_flush(connection);
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

void TTrayIcon::SetMainWindow(QWidget* window) {
    window_ = window;
    SetTaskbarButtonHidden(taskbarButtonHidden_);
}

void TTrayIcon::SetTaskbarButtonHidden(bool hidden) {
    taskbarButtonHidden_ = hidden;
    if (window_) SetSkipTaskbar(*window_, hidden);
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
