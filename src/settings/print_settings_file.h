#pragma once

#include "base/translatable.h"
#include "grid/print/print_settings.h"
#include "settings/ini_document.h"

#include <string>

namespace tkm {

// The print settings as an INI section, so that a user can keep several ways
// of printing and share them. Lengths stay in tenths of a millimetre; the job
// name and the graphics switch are not stored.
inline constexpr const char* PrintSettingsSection = "PRINTSETTINGS";
inline constexpr const char* PrintSettingsFilter =
    TKM_TRANSLATE_NOOP("Printing", "INI files (*.ini)|*.ini|All files (*.*)|*.*");

void WritePrintSettings(const TPrintSettings& settings, TIniDocument& ini);
// A missing key reads as the file's default, not as the current value; an
// ordinal out of range keeps the current one, a position out of range is none,
// a length or font size out of range is the nearest in range; a font style
// only adds to the font's current style.
void ReadPrintSettings(const TIniDocument& ini, TPrintSettings& settings);

// EGridFileError or EInOutError when the file cannot be written.
void SavePrintSettingsFile(const TPrintSettings& settings, const std::string& fileName);
// EGridFileError when the file is missing or unreadable.
void LoadPrintSettingsFile(const std::string& fileName, TPrintSettings& settings);

// A name chosen with the INI filter (the first) and no "." at all gets ".ini".
std::string WithIniExtension(const std::string& fileName, int filterIndex);

}  // namespace tkm
