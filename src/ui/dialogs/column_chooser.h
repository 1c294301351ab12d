#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;

namespace tkm {

class TBaseGrid;

// The column chooser of the Print command: one check box per column of the
// task table. Its OK shows exactly the checked columns and opens the preview;
// however it closes, every column is shown again. Run modally and freed after.
class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 14;

    // showPreview: the preview the Print command prepared; a failure in it
    // only closes the chooser.
    TfrmPrint(TBaseGrid& grid, std::function<void()> showPreview, QWidget* parent = nullptr);

    QCheckBox* CheckBox(int column) const { return boxes_[std::size_t(column)]; }
    QPushButton* btnCheckAll() const { return btnCheckAll_; }
    QPushButton* btnClearAll() const { return btnClearAll_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    int HelpContext() const { return helpContext_; }

    // Every way of closing, OK included, runs the close step first.
    void done(int result) override;

signals:
    // F1: the owner opens the help topic.
    void helpRequested(int context);

protected:
    // The layout both choosers share; each box starts checked unless its column is hidden.
    TfrmPrint(TBaseGrid& grid, const QString& caption, const QString& heading, int helpContext, QWidget* parent);

    virtual void OkStep();
    virtual void CloseStep();
    TBaseGrid& Grid() const { return grid_; }
    bool IsChecked(int column) const;

    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetAll(bool checked);

    TBaseGrid& grid_;
    int helpContext_;
    std::function<void()> showPreview_;
    std::array<QCheckBox*, ColumnCount> boxes_{};
    QPushButton* btnCheckAll_ = nullptr;
    QPushButton* btnClearAll_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// The column chooser of Save As: its OK hides the unchecked columns, marks the
// document modified and leaves the columns hidden for the export; the command
// shows them again afterwards.
class TfrmSaveAs final : public TfrmPrint {
    Q_OBJECT
public:
    TfrmSaveAs(TBaseGrid& grid, std::function<void()> setModified, QWidget* parent = nullptr);

protected:
    void OkStep() override;
    void CloseStep() override {}

private:
    std::function<void()> setModified_;
};

}  // namespace tkm
