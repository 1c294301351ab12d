#pragma once

#include "grid/io/export_formats.h"

class QWidget;

namespace tkm {

// The office server's exports as the window runs them: on a worker thread,
// from a copy of the table, while a window-modal "Exporting NAME..." dialog
// keeps the window painting. Its Cancel stops the server, writes nothing and
// ends the export with EAbort; the worker's failures come back on the
// window's thread. None stays none.
TOfficeExport WithExportProgress(TOfficeExport officeExport, QWidget& window);

}  // namespace tkm
