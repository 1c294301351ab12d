#pragma once

#include "grid/print/print_settings.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tkm {

class Dialogs;
class TPreviewPage;
class TPrintEngine;

// The groups of the settings form that can be edited.
enum TPrintSettingsOption {
    psBorders = 1 << 0,
    psGeneral = 1 << 1,
    psFonts = 1 << 2,
    psDateTime = 1 << 3,
    psTitle = 1 << 4,
    psPages = 1 << 5,
    psMargins = 1 << 6,
    psSpacing = 1 << 7,
    psOrientation = 1 << 8,
    psSaveSettings = 1 << 9,
};
inline constexpr std::uint16_t psAll = (1 << 10) - 1;

enum class TPrintDimensions { Millimetres, Inches };

// A grid's print settings as the form edits them, with the engine that
// previews them.
struct TPrintableGrid {
    TPrintSettings& Settings;
    TPrintEngine& Engine;
};

// Edits a grid's print settings on four tabs while it is open; each change
// goes straight into the settings and redraws the preview pane's page 1.
class TGridPrintSettingsForm final : public QDialog {
    Q_OBJECT
public:
    static constexpr int PreviewWidth = 250;
    static constexpr int ButtonGap = 8;  // from the form's middle to OK and to Cancel

    TGridPrintSettingsForm(Dialogs& dialogs, QWidget* parent = nullptr);

    void SetGrid(TPrintableGrid* grid) { grid_ = grid; }
    void SetPrintPreview(bool shown);
    void SetOptions(std::uint16_t options);
    void SetPrintDimensions(TPrintDimensions dimensions);

    // Shows the settings in the controls, moving a title text into the title lines.
    void FillControls();
    // Writes every control into the settings and redraws the preview pane.
    void ApplyControls();

    QTabWidget* pgcSettings() const { return pgcSettings_; }
    QComboBox* cbBorders() const { return cbBorders_; }
    QComboBox* cbBorderStyle() const { return cbBorderStyle_; }
    QComboBox* cbFitToPage() const { return cbFitToPage_; }
    QCheckBox* chkAutoSize() const { return chkAutoSize_; }
    QCheckBox* chkCentered() const { return chkCentered_; }
    QComboBox* cbDatePos() const { return cbDatePos_; }
    QComboBox* cbTimePos() const { return cbTimePos_; }
    QLineEdit* edDateFormat() const { return edDateFormat_; }
    QPlainTextEdit* memTitle() const { return memTitle_; }
    QComboBox* cbTitlePos() const { return cbTitlePos_; }
    QComboBox* cbPagesPos() const { return cbPagesPos_; }
    QLineEdit* edPrefix() const { return edPrefix_; }
    // Top, left, right, bottom margins; row, column and title spacing.
    QDoubleSpinBox* Length(int index) const { return lengths_[std::size_t(index)]; }
    QLabel* UnitLabel(int index) const { return units_[std::size_t(index)]; }
    QRadioButton* rbMm() const { return rbMm_; }
    QRadioButton* rbInch() const { return rbInch_; }
    QComboBox* cbOrientation() const { return cbOrientation_; }
    QPushButton* btnFont(int index) const { return fontButtons_[std::size_t(index)]; }
    QPushButton* btnLoad() const { return btnLoad_; }
    QPushButton* btnSave() const { return btnSave_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    TPreviewPage* pnlPreview() const { return pnlPreview_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int LengthCount = 7;
    static constexpr int PaneGap = 8;

    QWidget* MakeGeneralTab();
    QWidget* MakeHeadersTab();
    QWidget* MakeMarginsTab();
    QWidget* MakePreferencesTab();
    QComboBox* MakeList(const QStringList& items);
    QDoubleSpinBox* MakeLength(int index, double maximum);
    void Changed();
    void ApplyEnabling();
    void ShowLengths();
    double Scale() const;
    void ChooseFont(int index);
    void LoadSettings();
    void SaveSettings();

    Dialogs& dialogs_;
    TPrintableGrid* grid_ = nullptr;
    bool filling_ = false;
    std::array<QGroupBox*, 10> groups_{};
    QTabWidget* pgcSettings_;
    QComboBox* cbBorders_ = nullptr;
    QComboBox* cbBorderStyle_ = nullptr;
    QComboBox* cbFitToPage_ = nullptr;
    QCheckBox* chkAutoSize_ = nullptr;
    QCheckBox* chkCentered_ = nullptr;
    QCheckBox* chkRepeatRows_ = nullptr;
    QCheckBox* chkRepeatCols_ = nullptr;
    QCheckBox* chkPrintGraphics_ = nullptr;
    std::array<QPushButton*, 3> fontButtons_{};
    QComboBox* cbDatePos_ = nullptr;
    QComboBox* cbTimePos_ = nullptr;
    QLineEdit* edDateFormat_ = nullptr;
    QPlainTextEdit* memTitle_ = nullptr;
    QComboBox* cbTitlePos_ = nullptr;
    QLineEdit* edPrefix_ = nullptr;
    QLineEdit* edSeparator_ = nullptr;
    QLineEdit* edSuffix_ = nullptr;
    QComboBox* cbPagesPos_ = nullptr;
    std::array<QDoubleSpinBox*, LengthCount> lengths_{};
    std::array<QLabel*, LengthCount> units_{};
    QRadioButton* rbMm_ = nullptr;
    QRadioButton* rbInch_ = nullptr;
    QComboBox* cbOrientation_ = nullptr;
    QPushButton* btnLoad_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QWidget* pnlRight_ = nullptr;
    TPreviewPage* pnlPreview_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// Runs the settings form on a grid; anything but OK puts every setting back
// as it was, fonts and loaded files included.
class TGridPrintSettingsDialog {
public:
    explicit TGridPrintSettingsDialog(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TGridPrintSettingsDialog();

    void SetGrid(TPrintableGrid* grid);
    void SetOptions(std::uint16_t options) { form_->SetOptions(options); }
    void SetPrintPreview(bool shown) { form_->SetPrintPreview(shown); }
    void SetPrintDimensions(TPrintDimensions dimensions) { form_->SetPrintDimensions(dimensions); }
    TGridPrintSettingsForm& Form() const { return *form_; }

    // True when OK closed the form.
    bool Execute();

private:
    std::unique_ptr<TGridPrintSettingsForm> form_;
    TPrintableGrid* grid_ = nullptr;
};

}  // namespace tkm
