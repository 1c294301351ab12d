#pragma once

#include <string>

namespace tkm {

class Dialogs;
class Printer;
class TPrintEngine;

// Prints the engine's job on the printer, pages and copies the print dialog
// asks for. With no printer installed
// the pages are offered as a PDF file, whose name the user picks, starting
// from `pdfName` and its folder; they never go silently nowhere. False when the user declines.
// Printer failures, a job that cannot start among them, reach the caller.
bool PrintOnDesktop(const TPrintEngine& engine, Printer& printer, Dialogs& dialogs, const std::string& pdfName);

}  // namespace tkm
