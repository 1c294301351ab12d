#include "ui/grid/paged_print_target.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

#include <cmath>

namespace tkm {

void TPagedPrintTarget::SetOrientation(TPrintOrientation orientation) {
    device_.setPageOrientation(orientation == TPrintOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

TPrintSheet SheetOf(const QPageLayout& layout, int dpiX, int dpiY) {
    const QRect printable = layout.paintRectPixels(dpiX);
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
    const auto tenths = [](qreal mm) { return int(std::lround(mm * 10)); };
    return {{printable.width(), printable.height(), dpiX, dpiY},
            tenths(paper.width()),
            tenths(paper.height()),
            tenths(paint.left()),
            tenths(paint.top())};
}

TPrintSheet TPagedPrintTarget::Sheet() const {
    return SheetOf(device_.pageLayout(), device_.logicalDpiX(), device_.logicalDpiY());
}

TPrintCanvas& TPagedPrintTarget::Canvas() {
    if (!canvas_) canvas_.emplace(painter_, device_.logicalDpiX(), device_.logicalDpiY());
    return *canvas_;
}

void TPagedPrintTarget::BeginPainting(const std::string& failure) {
    if (!painter_.begin(&device_)) throw EGridError(failure);
}

void TPagedPrintTarget::NewPage() {
    if (!device_.newPage())
        throw EGridError(QCoreApplication::translate("TPrintTarget", "The printer refused a new page").toStdString());
}

bool TPagedPrintTarget::EndPainting() { return !painter_.isActive() || painter_.end(); }

}  // namespace tkm
