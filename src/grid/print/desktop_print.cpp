#include "grid/print/desktop_print.h"

#include "base/translatable.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

#include <filesystem>

namespace tkm {

bool PrintOnDesktop(const TPrintEngine& engine, Printer& printer, Dialogs& dialogs, const std::string& pdfName) {
    if (printer.Installed()) {
        const auto job = dialogs.ChoosePrintJob();
        if (!job) return false;
        printer.Print(engine, *job);
        return true;
    }
    if (dialogs.Confirm(TKM_TR("Printing", "No printer is installed. Save the pages as a PDF file?"),
                        TConfirmButtons::YesNo) !=
        TConfirmAnswer::Yes)
        return false;
    TFileDialogRequest request;
    request.Title = TKM_TR("Printing", "Save the pages as a PDF file");
    request.Filter = TKM_TR("Printing", "PDF files (*.pdf)|*.pdf");
    request.DefaultExt = "pdf";
    const std::filesystem::path suggested(pdfName);
    request.InitialDir = suggested.parent_path().string();
    request.FileName = suggested.filename().string();
    const auto chosen = dialogs.SaveFile(request);
    if (!chosen) return false;
    printer.PrintToFile(engine, chosen->FileName);
    return true;
}

}  // namespace tkm
