#include "ui/grid/paged_print_target.h"

#include "base/errors.h"

#include <QPagedPaintDevice>

namespace tkm {

void TPagedPrintTarget::SetOrientation(TPrintOrientation orientation) {
    device_.setPageOrientation(orientation == TPrintOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

TDeviceArea TPagedPrintTarget::PrintableArea() const {
    const int dpi = device_.logicalDpiX();
    const QRect area = device_.pageLayout().paintRectPixels(dpi);
    return {area.width(), area.height(), dpi, device_.logicalDpiY()};
}

TPrintCanvas& TPagedPrintTarget::Canvas() {
    if (!canvas_) canvas_.emplace(painter_, device_.logicalDpiX(), device_.logicalDpiY());
    return *canvas_;
}

void TPagedPrintTarget::BeginPainting(const std::string& failure) {
    if (!painter_.begin(&device_)) throw EGridError(failure);
}

void TPagedPrintTarget::NewPage() {
    if (!device_.newPage()) throw EGridError("The printer refused a new page");
}

bool TPagedPrintTarget::EndPainting() { return !painter_.isActive() || painter_.end(); }

}  // namespace tkm
