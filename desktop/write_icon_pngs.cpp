// Writes the program's icon as hicolor PNGs, drawn by the same code as the
// window icon, so the menu shows exactly what the window and the tray show:
//   taskmere_icon_pngs OUTPUT_FOLDER  ->  OUTPUT_FOLDER/SIZExSIZE/apps/taskmere.png
#include "ui/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: taskmere_icon_pngs OUTPUT_FOLDER\n");
        return 2;
    }
    // Drawing needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QIcon icon = tkm::AppIcon();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString fileName = folder + "/taskmere.png";
        if (!QDir().mkpath(folder) || !icon.pixmap(size, size).save(fileName, "PNG")) {
            std::fprintf(stderr, "taskmere_icon_pngs: cannot write %s\n", qPrintable(fileName));
            return 1;
        }
    }
    return 0;
}
