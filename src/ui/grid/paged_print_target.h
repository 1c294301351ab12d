#pragma once

#include "grid/print/print_canvas.h"
#include "ui/grid/painter_print_canvas.h"

#include <QPainter>

#include <optional>
#include <string>

class QPageLayout;
class QPagedPaintDevice;

namespace tkm {

// The sheet of a page layout on a device of that resolution.
TPrintSheet SheetOf(const QPageLayout& layout, int dpiX, int dpiY);

// A paged device as a print job uses it: a printer or a PDF file. The device
// keeps its page size and margins; the job sets the orientation.
class TPagedPrintTarget : public TPrintTarget {
public:
    void SetOrientation(TPrintOrientation orientation) override;
    TDeviceArea PrintableArea() const override { return Sheet().Printable; }
    TPrintSheet Sheet() const;
    void NewPage() override;
    // Measures before the job begins, as the page count needs.
    TPrintCanvas& Canvas() override;

protected:
    // `device` must outlive the target.
    explicit TPagedPrintTarget(QPagedPaintDevice& device) : device_(device) {}

    // `failure` is the message when the device refuses to start.
    void BeginPainting(const std::string& failure);
    // False when the device could not finish its pages.
    bool EndPainting();

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    std::optional<TPainterPrintCanvas> canvas_;
};

}  // namespace tkm
