// Any execute transaction is split and run without a crash; every document it
// opens is named by one of its lines, in order, and never holds a line break.
#include "tasks/open_macro.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> expected;
    for (const std::string& line : tkm::MacroLines(text)) {
        if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
        if (const auto path = tkm::OpenMacroPath(line)) expected.push_back(*path);
    }
    std::vector<std::string> opened;
    tkm::RunOpenMacro(text, [&](const std::string& path) {
        opened.push_back(path);
        return tkm::TDocumentOutcome{};
    });
    if (opened != expected) __builtin_trap();
    return 0;
}
