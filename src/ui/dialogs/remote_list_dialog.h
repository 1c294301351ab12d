#pragma once

#include "platform/calendar_server.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tkm {

using TServerFactory = std::function<std::unique_ptr<CalendarServer>(const TCalendarAccount&)>;

// Open Remote List: the server's address, the user name and the password,
// the account's task collections to choose from, and New List... to make one.
class TfrmRemoteList final : public QDialog {
    Q_OBJECT
public:
    TfrmRemoteList(TServerFactory servers, QWidget* parent = nullptr);

    void SetAccount(const TCalendarAccount& account);
    TCalendarAccount Account() const;
    // The collection chosen, once the dialog was accepted.
    const TTaskCollection* Chosen() const;

    // The steps the buttons take, for the keyboard and for tests.
    void FindLists();
    void NewList(const QString& displayName);

private:
    void AskNewList();
    void ShowCollections();
    void ShowFailure(const QString& text);
    void UpdateButtons();

    TServerFactory servers_;
    std::vector<TTaskCollection> collections_;
    QLineEdit* txtServer_;
    QLineEdit* txtUser_;
    QLineEdit* txtPassword_;
    QPushButton* btnFind_;
    QPushButton* btnNew_;
    QPushButton* btnOk_;
    QListWidget* lstCollections_;
    QLabel* lblStatus_;
};

}  // namespace tkm
