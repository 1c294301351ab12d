#include "ui/dialogs/remote_list_dialog.h"

#include "base/errors.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tkm {

TfrmRemoteList::TfrmRemoteList(TServerFactory servers, QWidget* parent)
    : QDialog(parent), servers_(std::move(servers)) {
    setObjectName("frmRemoteList");
    setWindowTitle(tr("Open Remote List"));
    txtServer_ = new QLineEdit(this);
    txtServer_->setObjectName("txtServer");
    txtServer_->setPlaceholderText("https://dav.example.org/");
    txtUser_ = new QLineEdit(this);
    txtUser_->setObjectName("txtUser");
    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName("txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(tr("&Server address:"), txtServer_);
    form->addRow(tr("&User name:"), txtUser_);
    form->addRow(tr("&Password:"), txtPassword_);

    lstCollections_ = new QListWidget(this);
    lstCollections_->setObjectName("lstCollections");
    btnFind_ = new QPushButton(tr("&Find Lists"), this);
    btnFind_->setObjectName("btnFind");
    btnNew_ = new QPushButton(tr("&New List..."), this);
    btnNew_->setObjectName("btnNew");
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(btnFind_);
    listButtons->addWidget(btnNew_);
    listButtons->addStretch();
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName("lblStatus");
    lblStatus_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    btnOk_ = buttons->button(QDialogButtonBox::Open);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(listButtons);
    layout->addWidget(new QLabel(tr("&Lists of the account:"), this));
    layout->addWidget(lstCollections_, 1);
    layout->addWidget(lblStatus_);
    layout->addWidget(buttons);
    static_cast<QLabel*>(layout->itemAt(2)->widget())->setBuddy(lstCollections_);
    resize(480, 400);

    connect(btnFind_, &QPushButton::clicked, this, &TfrmRemoteList::FindLists);
    connect(btnNew_, &QPushButton::clicked, this, &TfrmRemoteList::AskNewList);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstCollections_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(lstCollections_, &QListWidget::currentRowChanged, this, &TfrmRemoteList::UpdateButtons);
    for (QLineEdit* edit : {txtServer_, txtUser_, txtPassword_})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            collections_.clear();
            ShowCollections();
        });
    UpdateButtons();
}

void TfrmRemoteList::SetAccount(const TCalendarAccount& account) {
    txtServer_->setText(QString::fromStdString(account.Url));
    txtUser_->setText(QString::fromStdString(account.User));
    txtPassword_->setText(QString::fromStdString(account.Password));
    (txtServer_->text().isEmpty() ? txtServer_ : txtUser_->text().isEmpty() ? txtUser_ : txtPassword_)->setFocus();
}

TCalendarAccount TfrmRemoteList::Account() const {
    return {txtServer_->text().trimmed().toStdString(), txtUser_->text().trimmed().toStdString(),
            txtPassword_->text().toStdString()};
}

const TTaskCollection* TfrmRemoteList::Chosen() const {
    const int row = lstCollections_->currentRow();
    return row >= 0 && std::size_t(row) < collections_.size() ? &collections_[std::size_t(row)] : nullptr;
}

void TfrmRemoteList::FindLists() {
    lblStatus_->setText(tr("Looking for the lists..."));
    try {
        collections_ = servers_(Account())->TaskCollections();
        ShowCollections();
        lblStatus_->setText(collections_.empty() ? tr("The account has no to-do lists yet: New List... makes one.")
                                                 : QString());
    } catch (const ECalendarServerError& e) {
        ShowFailure(QString::fromStdString(e.what()));
    } catch (const EAbort&) {
        lblStatus_->clear();
    }
}

void TfrmRemoteList::NewList(const QString& displayName) {
    try {
        const TTaskCollection made = servers_(Account())->CreateTaskCollection(displayName.toStdString());
        collections_.push_back(made);
        ShowCollections();
        lstCollections_->setCurrentRow(int(collections_.size()) - 1);
        lblStatus_->clear();
    } catch (const ECalendarServerError& e) {
        ShowFailure(QString::fromStdString(e.what()));
    } catch (const EAbort&) {
        lblStatus_->clear();
    }
}

void TfrmRemoteList::AskNewList() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("New List"), tr("&Name of the new list:"), QLineEdit::Normal, {}, &ok);
    if (ok && !name.trimmed().isEmpty()) NewList(name.trimmed());
}

void TfrmRemoteList::ShowCollections() {
    lstCollections_->clear();
    for (const TTaskCollection& collection : collections_) {
        auto* item = new QListWidgetItem(QString::fromStdString(collection.DisplayName), lstCollections_);
        item->setToolTip(QString::fromStdString(collection.Url));
    }
    if (!collections_.empty()) lstCollections_->setCurrentRow(0);
    UpdateButtons();
}

void TfrmRemoteList::ShowFailure(const QString& text) {
    lblStatus_->setText(text);
    collections_.clear();
    ShowCollections();
}

void TfrmRemoteList::UpdateButtons() {
    btnOk_->setEnabled(Chosen() != nullptr);
    btnOk_->setDefault(Chosen() != nullptr);
    btnFind_->setDefault(Chosen() == nullptr);
}

}  // namespace tkm
