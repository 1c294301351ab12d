#include "platform/qt/qt_dialogs.h"

#include "grid/cell_style.h"
#include "platform/file_filter.h"
#include "ui/grid/qprinter_print_target.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>
#include <QUrl>

namespace tkm {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

std::optional<TFileDialogResult> Run(QWidget* parent, const TFileDialogRequest& request, bool save) {
    QFileDialog dialog(parent);
    dialog.setWindowTitle(Q(request.Title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Each type's name already shows its patterns, and Qt reads them from it.
    QStringList filters;
    for (const TFileType& type : FileTypes(request.Filter)) filters << Q(type.Description);
    dialog.setNameFilters(filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    if (save) {
        // The chosen type's extension is added while the dialog is open, so its
        // overwrite question is about the file that will be written ("bob" is
        // bob.tkm). Desktop-native choosers ask about the typed name instead.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto suffixOf = [&](int index) { return Q(TypeExtension(request.Filter, index, request.DefaultExt)); };
        dialog.setDefaultSuffix(suffixOf(request.FilterIndex));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
            dialog.setDefaultSuffix(suffixOf(int(filters.indexOf(filter)) + 1));
        });
    }
    if (!request.InitialDir.empty()) dialog.setDirectory(Q(request.InitialDir));
    if (!request.FileName.empty()) dialog.selectFile(Q(request.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return TFileDialogResult{S(QDir::toNativeSeparators(dialog.selectedFiles().front())),
                             int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

TConfirmAnswer QtDialogs::Confirm(const std::string& text, TConfirmButtons buttons) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("QtDialogs", "Confirm"), Q(text),
                    buttons == TConfirmButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                      : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent_);
    switch (box.exec()) {
    case QMessageBox::Yes: return TConfirmAnswer::Yes;
    case QMessageBox::No: return TConfirmAnswer::No;
    case QMessageBox::Cancel: return TConfirmAnswer::Cancel;
    default: return TConfirmAnswer::None;
    }
}

void QtDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(parent_, QApplication::applicationName(), Q(text));
}

void QtDialogs::ShowInformation(const std::string& title, const std::string& text) {
    // Over the window that asked, so that a window kept on top (Find) cannot cover it.
    QWidget* owner = QApplication::activeWindow();
    QMessageBox::information(owner ? owner : parent_, Q(title), Q(text));
}

std::optional<TFileDialogResult> QtDialogs::OpenFile(const TFileDialogRequest& request) {
    return Run(parent_, request, false);
}

std::optional<TFileDialogResult> QtDialogs::SaveFile(const TFileDialogRequest& request) {
    return Run(parent_, request, true);
}

std::optional<TPrintJob> QtDialogs::ChoosePrintJob() {
    // The job prints on this very printer, so every choice made here holds.
    auto setup = std::make_shared<TPrinterSetup>();
    QPrinter& printer = setup->Printer;
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    TPrintJob job;
    job.Setup = setup;
    job.PrinterName = printer.outputFormat() == QPrinter::PdfFormat ? "" : printer.printerName().toStdString();
    job.Copies = printer.copyCount();
    if (printer.printRange() == QPrinter::PageRange) {
        job.FirstPage = printer.fromPage();
        job.LastPage = printer.toPage();
    }
    return job;
}

std::optional<TPrintFont> QtDialogs::ChooseFont(const TPrintFont& font) {
    QFont shown(Q(font.Family), font.PointSize);
    shown.setBold(font.Styles & fsBold);
    shown.setItalic(font.Styles & fsItalic);
    shown.setUnderline(font.Styles & fsUnderline);
    shown.setStrikeOut(font.Styles & fsStrikeOut);
    QFontDialog dialog(shown, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    TPrintFont result = font;
    result.Family = chosen.family().toStdString();
    result.PointSize = chosen.pointSize() > 0 ? chosen.pointSize() : font.PointSize;
    result.Styles = std::uint8_t((chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                                 (chosen.underline() ? fsUnderline : 0) | (chosen.strikeOut() ? fsStrikeOut : 0));
    return result;
}

void QtShell::Open(const std::string& fileOrUrl) {
    const QString target = Q(fileOrUrl);
    const QUrl url = target.contains("://") || target.startsWith("mailto:")
                         ? QUrl(target)
                         : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

}  // namespace tkm
