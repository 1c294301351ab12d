// Any text read under any picture without a crash; under the pictures a
// desktop uses, a date that was read writes back as a text read as that date.
#include "base/date_text.h"

#include <array>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // "picture NUL text", or a first byte choosing a desktop's picture for the
    // rest (four-digit years: a two-digit one cannot carry every year read).
    static const std::array<const char*, 5> Pictures{"dd/mm/yyyy", "m/d/yyyy", "yyyy-mm-dd", "d mmmm yyyy",
                                                     "dd.mm.yyyy"};
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tkm::TLocaleFormats formats;
    std::string_view text = bytes.substr(1);
    const std::size_t nul = bytes.find('\0');
    const bool anyPicture = nul != std::string_view::npos;
    if (anyPicture) {
        formats.ShortDateFormat = std::string(bytes.substr(0, nul));
        formats.LongTimeFormat = formats.ShortDateFormat;
        text = bytes.substr(nul + 1);
    } else {
        formats.ShortDateFormat = Pictures[data[0] % Pictures.size()];
    }
    if (const auto date = tkm::ParseDate(text, formats)) {
        if (!date->IsValid()) __builtin_trap();
        const std::string written = tkm::FormatDate(*date, formats.ShortDateFormat, formats);
        if (!anyPicture && tkm::ParseDate(written, formats) != date) __builtin_trap();
    }
    if (const auto time = tkm::ParseTime(text, formats)) {
        if (time->Hour < 0 || time->Hour > 23 || time->Minute < 0 || time->Minute > 59 || time->Second < 0 ||
            time->Second > 59)
            __builtin_trap();
    }
    (void)tkm::ParseTimeAs(text, formats.LongTimeFormat, formats);
    return 0;
}
