#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Nothing here may reach a real bus: the tests start their own.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tkm-test-no-system-bus");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tkm-test-no-session-bus");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Taskmere");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
