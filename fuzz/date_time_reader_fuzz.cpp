// Any text and any picture read without a crash, and a date or time that was
// read writes back in the picture as a text that reads as the same value.
#include "base/date_text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is "picture NUL text"; without a NUL, the text under the default pictures.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tkm::TLocaleFormats formats;
    std::string_view text = bytes;
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        formats.ShortDateFormat = std::string(bytes.substr(0, nul));
        formats.LongTimeFormat = formats.ShortDateFormat;
        text = bytes.substr(nul + 1);
    }
    if (const auto date = tkm::ParseDate(text, formats)) {
        if (!date->IsValid()) __builtin_trap();
        const std::string written = tkm::FormatDate(*date, formats.ShortDateFormat, formats);
        if (tkm::ParseDate(written, formats) != date) __builtin_trap();
    }
    if (const auto time = tkm::ParseTime(text, formats)) {
        if (time->Hour < 0 || time->Hour > 23 || time->Minute < 0 || time->Minute > 59 || time->Second < 0 ||
            time->Second > 59)
            __builtin_trap();
    }
    (void)tkm::ParseTimeAs(text, formats.LongTimeFormat, formats);
    return 0;
}
