#pragma once

#include "platform/tray_icon.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

namespace tkm {

// The notification-area icon through QSystemTrayIcon.
class TTrayIcon final : public QObject, public TrayIcon {
    Q_OBJECT
public:
    explicit TTrayIcon(const QIcon& icon, QObject* parent = nullptr);

    bool Available() const override { return available_; }
    void Show(const std::string& hint, std::vector<TTrayMenuItem> menu) override;
    void Hide() override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void SetTaskbarButtonHidden(bool hidden) override;

    // The window whose taskbar button the icon stands in for.
    void SetMainWindow(QWidget* window);

private:
    void FillMenu(QMenu& target, const std::vector<TTrayMenuItem>& items);
    void Activated(QSystemTrayIcon::ActivationReason reason);
    void CheckAvailability();

    QSystemTrayIcon icon_;
    QMenu menu_;
    std::vector<TTrayMenuItem> items_;
    QTimer availabilityPoll_;
    bool available_ = false;
    bool wanted_ = false;
    bool activatedBySingleClick_;
    QWidget* window_ = nullptr;
    bool taskbarButtonHidden_ = false;
};

}  // namespace tkm
