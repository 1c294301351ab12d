#include "platform/qt/qt_window_activation.h"

#include "platform/qt/xcb_atom.h"

#include <QGuiApplication>
#include <QWidget>

#include <charconv>
#include <cstring>
#include <optional>

namespace tkm {

namespace {

// A startup id ends in "_TIME" and the launch's X server time.
std::optional<std::uint32_t> LaunchTime(const std::string& startupId) {
    const std::size_t mark = startupId.rfind("_TIME");
    if (mark == std::string::npos) return std::nullopt;
    std::uint32_t time = 0;
    const char* begin = startupId.data() + mark + 5;
    const char* end = startupId.data() + startupId.size();
    const auto [stop, error] = std::from_chars(begin, end, time);
    if (error != std::errc() || stop == begin || time == 0) return std::nullopt;
    return time;
}

// "remove: ID=..." ends the launcher's busy feedback; the text goes in
// 20-byte pieces, the first of its own type, with its closing NUL.
void EndStartupNotification(xcb_connection_t* connection, xcb_window_t window, const std::string& startupId) {
    std::string message = "remove: ID=\"";
    for (const char c : startupId) {
        if (c == '"' || c == '\\') message += '\\';
        message += c;
    }
    message += '"';
    message += '\0';
    const xcb_atom_t first = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    for (std::size_t at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = at == 0 ? first : more;
        std::memcpy(event.data.data8, message.data() + at, std::min<std::size_t>(20, message.size() - at));
        xcb_send_event(connection, 0, RootWindow(connection), XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

// Asks the window manager for the focus as of the launch's time.
void RequestActiveWindow(xcb_connection_t* connection, xcb_window_t window, std::uint32_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // asked by an application
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

}  // namespace

void TQtWindowActivation::Activate(const std::string& token) {
    if (!window_) return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && !token.empty()) {
        xcb_connection_t* connection = x11->connection();
        const auto window = xcb_window_t(window_->winId());
        EndStartupNotification(connection, window, token);
        const std::optional<std::uint32_t> time = LaunchTime(token);
        if (time) RequestActiveWindow(connection, window, *time);
        xcb_flush(connection);
        if (time) return;
    }
    // Qt's Wayland plugin hands this token to the compositor at the next
    // activation, and forgets it.
    if (!token.empty() && QGuiApplication::platformName().startsWith("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    window_->activateWindow();
}

}  // namespace tkm
