#pragma once

#include "base/atomic_file.h"
#include "ui/grid/paged_print_target.h"

#include <QIODevice>
#include <QPageSize>
#include <QPdfWriter>

#include <exception>
#include <string>

namespace tkm {

class TPrintEngine;

// The paper of the user's locale: A4, or Letter in the United States.
QPageSize LocalePaper();
// The sheet of a PDF file on `paper`.
TPrintSheet PdfSheet(const QPageSize& paper, TPrintOrientation orientation);

// A PDF file as a printer: the paper given with 10 mm margins. The file is
// replaced only when the job ends well; a failed or aborted job leaves it as it was.
class TPdfPrintTarget final : public TPagedPrintTarget {
public:
    // EGridFileError when the file cannot be created there.
    explicit TPdfPrintTarget(const std::string& fileName, const QPageSize& paper = LocalePaper());

    void BeginDoc(const std::string& jobName) override;
    // EInOutError naming the file when its pages cannot be written.
    void EndDoc() override;
    void AbortDoc() override;

private:
    // The writer's bytes go into the atomic file; a failure is kept for EndDoc,
    // since it cannot pass through Qt.
    class TFileDevice final : public QIODevice {
    public:
        explicit TFileDevice(TAtomicFile& file);
        std::exception_ptr Failure;

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* data, qint64 size) override;

    private:
        TAtomicFile& file_;
    };

    std::string fileName_;
    TAtomicFile file_;
    TFileDevice device_;
    QPdfWriter writer_;
};

// Prints every page of the engine's layout into a PDF file, as the print job
// does on a printer.
void PrintToPdf(const TPrintEngine& engine, const std::string& fileName, const QPageSize& paper = LocalePaper());

}  // namespace tkm
