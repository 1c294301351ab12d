#include "ui/app/command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tkm {

namespace {

const QColor Ink(40, 60, 90);
const QColor Paper(250, 250, 245);
const QColor Accent(0x33, 0x66, 0x99);

void Sheet(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(x, y, w, h);
}

void Draw(QPainter& p, TCommandIcon icon) {
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (icon) {
    case TCommandIcon::NewFile:
        Sheet(p, 3, 1, 10, 14);
        p.setPen(Accent);
        p.drawLine(5, 5, 11, 5);
        p.drawLine(5, 8, 11, 8);
        break;
    case TCommandIcon::Open:
        p.setPen(Ink);
        p.setBrush(QColor(230, 190, 90));
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 2);
        break;
    case TCommandIcon::Save:
        p.setPen(Ink);
        p.setBrush(Accent);
        p.drawRect(1, 1, 14, 14);
        p.setBrush(Paper);
        p.drawRect(4, 1, 8, 5);
        p.drawRect(3, 9, 10, 6);
        break;
    case TCommandIcon::Print:
        Sheet(p, 4, 1, 8, 6);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(1, 6, 14, 6);
        Sheet(p, 4, 10, 8, 5);
        break;
    case TCommandIcon::Find:
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Ink, 2));
        p.setBrush(Paper);
        p.drawEllipse(2, 2, 8, 8);
        p.drawLine(9, 9, 14, 14);
        break;
    case TCommandIcon::Cut:
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Ink, 1.5));
        p.drawLine(4, 1, 11, 11);
        p.drawLine(12, 1, 5, 11);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(1, 10, 5, 5);
        p.drawEllipse(10, 10, 5, 5);
        break;
    case TCommandIcon::Copy:
        Sheet(p, 1, 1, 9, 10);
        Sheet(p, 5, 5, 9, 10);
        break;
    case TCommandIcon::Paste:
        p.setPen(Ink);
        p.setBrush(QColor(200, 160, 100));
        p.drawRect(1, 2, 11, 13);
        Sheet(p, 6, 6, 8, 9);
        break;
    case TCommandIcon::AddEntry:
    case TCommandIcon::AddMultiple: {
        Sheet(p, 1, 3, 14, 10);
        p.setPen(QPen(QColor(30, 140, 60), 2));
        const int count = icon == TCommandIcon::AddEntry ? 1 : 2;
        for (int i = 0; i < count; ++i) {
            const int cx = count == 1 ? 8 : 5 + 6 * i;
            p.drawLine(cx - 2, 8, cx + 2, 8);
            p.drawLine(cx, 6, cx, 10);
        }
        break;
    }
    case TCommandIcon::Delete:
        Sheet(p, 1, 3, 14, 10);
        p.setPen(QPen(QColor(190, 30, 30), 2));
        p.drawLine(5, 5, 11, 11);
        p.drawLine(11, 5, 5, 11);
        break;
    case TCommandIcon::Calendar:
        Sheet(p, 1, 2, 14, 13);
        p.fillRect(2, 3, 13, 3, QColor(190, 30, 30));
        p.setPen(Ink);
        for (int y = 8; y <= 12; y += 2)
            for (int x = 3; x <= 12; x += 3) p.drawPoint(x, y);
        break;
    }
}

const char* ThemeName(TCommandIcon icon) {
    switch (icon) {
    case TCommandIcon::NewFile: return "document-new";
    case TCommandIcon::Open: return "document-open";
    case TCommandIcon::Save: return "document-save";
    case TCommandIcon::Print: return "document-print";
    case TCommandIcon::Find: return "edit-find";
    case TCommandIcon::Cut: return "edit-cut";
    case TCommandIcon::Copy: return "edit-copy";
    case TCommandIcon::Paste: return "edit-paste";
    case TCommandIcon::AddEntry: return "list-add";
    case TCommandIcon::Delete: return "list-remove";
    case TCommandIcon::AddMultiple: return "";
    case TCommandIcon::Calendar: return "x-office-calendar";
    }
    return "";
}

}  // namespace

QIcon CommandIcon(TCommandIcon icon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        Draw(painter, icon);
    }
    const QIcon drawn(pixmap);
    const char* theme = ThemeName(icon);
    return *theme ? QIcon::fromTheme(theme, drawn) : drawn;
}

}  // namespace tkm
