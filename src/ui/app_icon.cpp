#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tkm {

namespace {

// Drawn on a 16-unit square, scaled to the pixmap.
QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);

    const QColor ink(0x1F, 0x3A, 0x5F);
    // The pad: a white sheet with a blue binding across its top.
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    painter.fillPath(sheet, QColor(0xFA, 0xFA, 0xF5));
    painter.save();
    painter.setClipPath(sheet);
    painter.fillRect(QRectF(1.5, 1.5, 13, 3.5), QColor(0x2E, 0x6D, 0xB4));
    painter.restore();
    painter.setPen(QPen(ink, 1.0));
    painter.drawPath(sheet);

    // Three entries: the first ticked in green, the others still open.
    const QColor line(0x8A, 0x99, 0xAD);
    painter.setPen(QPen(line, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (const double y : {10.5, 12.5}) painter.drawLine(QPointF(4, y), QPointF(12.5, y));
    painter.drawLine(QPointF(8, 7.5), QPointF(12.5, 7.5));
    painter.setPen(QPen(QColor(0x2E, 0x9E, 0x3F), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{QPointF(3.5, 7.3), QPointF(5.0, 8.8), QPointF(7.3, 5.8)});
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(DrawIcon(size));
    return icon;
}

}  // namespace tkm
