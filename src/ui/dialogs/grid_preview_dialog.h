#pragma once

#include "grid/print/print_canvas.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QPushButton;

namespace tkm {

class TPrintEngine;

// The white page the preview draws on: the engine's current preview page on
// the sheet the print would use (a PDF file's on the locale's paper when the
// engine knows none), scaled to the widget, with its outline and margins.
class TPreviewPage final : public QWidget {
    Q_OBJECT
public:
    static constexpr int SheetBorder = 4;

    TPreviewPage(TPrintEngine& engine, QWidget* parent);
    // Lays the pages out ahead of the first painting, where a long list may
    // show its progress (and be stopped, with EAbort).
    void LayOut();

signals:
    void drawn();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPrintSheet Sheet() const;

    TPrintEngine& engine_;
};

// The preview window: one page at a time, paged with Previous and Next;
// Print prints every page and leaves the window open.
class TGridPreviewForm final : public QDialog {
    Q_OBJECT
public:
    static constexpr int ButtonBarHeight = 41;

    // `print` prints the whole grid as one job.
    TGridPreviewForm(TPrintEngine& engine, std::function<void()> print, QWidget* parent = nullptr);

    QPushButton* btnPrevious() const { return btnPrevious_; }
    QPushButton* btnNext() const { return btnNext_; }
    QPushButton* btnPrint() const { return btnPrint_; }
    QPushButton* btnClose() const { return btnClose_; }
    TPreviewPage* pnlPage() const { return pnlPage_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateButtons();
    void Turn(int step);

    TPrintEngine& engine_;
    std::function<void()> print_;
    QPushButton* btnPrevious_;
    QPushButton* btnNext_;
    QPushButton* btnPrint_;
    QPushButton* btnClose_;
    TPreviewPage* pnlPage_;
};

// Runs the preview window for a grid's print engine and remembers where the
// user left it, so a second Execute reopens it there.
class TGridPreviewDialog {
public:
    static constexpr int MinWidth = 350;
    static constexpr int MinHeight = 100;

    // `print` prints the whole grid as one job; its failures reach the caller.
    explicit TGridPreviewDialog(std::function<void()> print, QWidget* parent = nullptr);

    // The engine of the grid to preview; none makes Execute fail.
    void SetGrid(TPrintEngine* engine) { engine_ = engine; }
    TPrintEngine* Grid() const { return engine_; }

    bool PreviewFast = false;
    int PreviewLeft = 100;
    int PreviewTop = 100;
    bool PreviewCenter = false;
    int PreviewWidth() const { return width_; }
    int PreviewHeight() const { return height_; }
    void SetPreviewWidth(int width);
    void SetPreviewHeight(int height);
    // Off: the window's Print button is disabled.
    void SetPrintable(bool printable) { printable_ = printable; }

    // Shows page 1 modally. False: the window has no confirming button.
    bool Execute();

private:
    std::function<void()> print_;
    QWidget* parent_;
    TPrintEngine* engine_ = nullptr;
    int width_ = MinWidth;
    int height_ = 300;
    bool printable_ = true;
};

}  // namespace tkm
