#pragma once

#include <string>

namespace tkm {

// Calc writes a tab in a cell of an OpenDocument spreadsheet as <text:tab/>
// and drops that element when it reads the file back, while it keeps a tab
// character: rewrites the spreadsheet at `odsPath` with tab characters, in
// place. A spreadsheet without tabs is left untouched. EInOutError when the
// file cannot be read or written.
void KeepCellTabs(const std::string& odsPath);

}  // namespace tkm
