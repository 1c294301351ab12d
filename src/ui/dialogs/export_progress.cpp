#include "ui/dialogs/export_progress.h"

#include "base/path_text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>

#include <exception>
#include <stop_token>
#include <thread>

namespace tkm {

TOfficeExport WithExportProgress(TOfficeExport officeExport, QWidget& window) {
    if (!officeExport) return {};
    return [officeExport = std::move(officeExport), &window](const TBaseGrid& grid, TOfficeFormat format,
                                                             const std::string& fileName, std::stop_token stop) {
        // The window may repaint and recount the table while the worker reads its own.
        const TBaseGrid table = grid;
        std::stop_source cancel;
        const std::stop_callback forwarded(stop, [&cancel] { cancel.request_stop(); });

        QProgressDialog progress(QCoreApplication::translate("TExportProgress", "Exporting %1...")
                                     .arg(QString::fromStdString(BaseNameOf(fileName))),
                                 QCoreApplication::translate("TExportProgress", "Cancel"), 0, 0, &window);
        progress.setWindowTitle("Taskmere");
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        // Shown until the server is gone, which takes a moment after Cancel.
        QObject::disconnect(&progress, &QProgressDialog::canceled, &progress, &QProgressDialog::cancel);
        QObject::connect(&progress, &QProgressDialog::canceled, [&] {
            cancel.request_stop();
            progress.setLabelText(QCoreApplication::translate("TExportProgress", "Stopping..."));
        });

        QEventLoop loop;
        std::exception_ptr failure;
        std::thread worker([&] {
            try {
                officeExport(table, format, fileName, cancel.get_token());
            } catch (...) {
                failure = std::current_exception();
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        progress.show();
        loop.exec();
        // Left early when the program quits: the server need not finish then.
        cancel.request_stop();
        worker.join();
        if (failure) std::rethrow_exception(failure);
    };
}

}  // namespace tkm
