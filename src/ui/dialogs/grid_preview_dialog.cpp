#include "ui/dialogs/grid_preview_dialog.h"

#include "base/errors.h"
#include "grid/print/print_engine.h"
#include "ui/grid/painter_print_canvas.h"
#include "ui/grid/pdf_print_target.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tkm {

TPreviewPage::TPreviewPage(TPrintEngine& engine, QWidget* parent) : QWidget(parent), engine_(engine) {
    setObjectName("pnlPage");
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

TPrintSheet TPreviewPage::Sheet() const {
    return engine_.PreviewSheet().value_or(PdfSheet(LocalePaper(), engine_.Settings().Orientation));
}

void TPreviewPage::LayOut() {
    // Text is measured in the print fonts' own sizes, so any painter lays out as the page's will.
    const TPrintSheet sheet = Sheet();
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    TPainterPrintCanvas canvas(painter, sheet.Printable.DpiX, sheet.Printable.DpiY);
    engine_.LayOutPreview(canvas, TPrintEngine::AreaOf(sheet.Printable));
}

void TPreviewPage::paintEvent(QPaintEvent*) {
    const TPrintSheet sheet = Sheet();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The whole sheet, as large as the page fits, with a little room for its outline.
    const double scale = std::min((width() - 2 * SheetBorder) / double(std::max(sheet.PaperWidth, 1)),
                                  (height() - 2 * SheetBorder) / double(std::max(sheet.PaperHeight, 1)));
    const QRectF paper(0, 0, sheet.PaperWidth * scale, sheet.PaperHeight * scale);
    painter.translate((width() - paper.width()) / 2, (height() - paper.height()) / 2);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(paper);
    const TPageArea area = TPrintEngine::AreaOf(sheet.Printable);
    const QRectF printable(sheet.PrintableLeft * scale, sheet.PrintableTop * scale, area.Width * scale,
                           area.Height * scale);
    painter.setPen(QPen(Qt::lightGray, 1, Qt::DashLine));
    painter.drawRect(printable);
    // Laid out at the printer's resolution as the job is, so every line and
    // page breaks where it will on paper; only the drawing is scaled down.
    painter.setClipRect(printable);
    painter.translate(printable.topLeft());
    painter.scale(scale * 254 / sheet.Printable.DpiX, scale * 254 / sheet.Printable.DpiY);
    TPainterPrintCanvas canvas(painter, sheet.Printable.DpiX, sheet.Printable.DpiY);
    engine_.DrawPreview(canvas, area);
    // Screen readers read which page is shown, as its footer numbers it.
    const QString name = tr("Page %1").arg(QString::fromStdString(engine_.PreviewPageNumber()));
    if (accessibleName() != name) setAccessibleName(name);
    emit drawn();
}

TGridPreviewForm::TGridPreviewForm(TPrintEngine& engine, std::function<void()> print, QWidget* parent)
    : QDialog(parent), engine_(engine), print_(std::move(print)) {
    setWindowTitle(tr("Preview"));
    setMinimumSize(TGridPreviewDialog::MinWidth, TGridPreviewDialog::MinHeight);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);
    setAutoFillBackground(true);

    // The button bar keeps the window's own palette, not the grey of the page's surround.
    auto* bar = new QWidget(this);
    bar->setObjectName("pnlButtons");
    bar->setGeometry(0, 0, 4 * 81 + 8, ButtonBarHeight);
    const auto makeButton = [&](const char* name, const QString& caption, int index) {
        auto* button = new QPushButton(caption, bar);
        button->setObjectName(name);
        button->setGeometry(8 + index * 81, 8, 73, 25);
        button->setAutoDefault(false);
        return button;
    };
    btnPrevious_ = makeButton("btnPrevious", tr("Previous"), 0);
    btnNext_ = makeButton("btnNext", tr("Next"), 1);
    btnPrint_ = makeButton("btnPrint", tr("Print"), 2);
    btnClose_ = makeButton("btnClose", tr("Close"), 3);
    pnlPage_ = new TPreviewPage(engine_, this);

    connect(pnlPage_, &TPreviewPage::drawn, this, &TGridPreviewForm::UpdateButtons);
    connect(btnPrevious_, &QPushButton::clicked, this, [this] { Turn(-1); });
    connect(btnNext_, &QPushButton::clicked, this, [this] { Turn(+1); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] {
        engine_.SetPreviewFast(false);
        print_();
        pnlPage_->update();
    });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void TGridPreviewForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int below = height() - ButtonBarHeight;
    const int w = int(std::lround(0.9 * width()));
    const int h = int(std::lround(0.9 * below));
    pnlPage_->setGeometry((width() - w) / 2, ButtonBarHeight + (below - h) / 2, w, h);
}

void TGridPreviewForm::UpdateButtons() {
    btnPrevious_->setEnabled(engine_.PreviewPage() > 1);
    btnNext_->setEnabled(engine_.PreviewPage() < engine_.PreviewPageCount());
}

void TGridPreviewForm::Turn(int step) {
    const int page = engine_.PreviewPage() + step;
    if (page < 1 || page > engine_.PreviewPageCount()) return;
    engine_.SetPreviewPage(page);
    UpdateButtons();
    pnlPage_->update();
}

TGridPreviewDialog::TGridPreviewDialog(std::function<void()> print, QWidget* parent)
    : print_(std::move(print)), parent_(parent) {}

void TGridPreviewDialog::SetPreviewWidth(int width) { width_ = std::max(width, MinWidth); }
void TGridPreviewDialog::SetPreviewHeight(int height) { height_ = std::max(height, MinHeight); }

bool TGridPreviewDialog::Execute() {
    if (!engine_) throw EGridError("The dialog does not have a grid component.");
    TGridPreviewForm form(*engine_, print_, parent_);
    QRect frame(PreviewLeft, PreviewTop, width_, height_);
    if (PreviewCenter)
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            frame.moveCenter(screen->availableGeometry().center());
    form.setGeometry(frame);
    engine_->SetPreviewPage(1);
    engine_->SetPreviewFast(PreviewFast);
    form.btnPrevious()->setEnabled(false);
    form.btnPrint()->setEnabled(printable_);
    try {
        form.pnlPage()->LayOut();
    } catch (const EAbort&) {
        return false;
    }
    const int result = form.exec();
    const QRect last = form.geometry();
    PreviewLeft = last.left();
    PreviewTop = last.top();
    SetPreviewWidth(last.width());
    SetPreviewHeight(last.height());
    return result == QDialog::Accepted;
}

}  // namespace tkm
