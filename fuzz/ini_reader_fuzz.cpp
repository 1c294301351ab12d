// Any bytes parse as INI text, the text is stable once written, and a value
// written to it reads back unchanged.
#include "settings/ini_document.h"

#include <cstdint>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tkm::TIniDocument ini = tkm::TIniDocument::Parse(bytes);
    const std::string text = ini.Text();
    if (tkm::TIniDocument::Parse(text).Text() != text) __builtin_trap();

    // The tail of the input as a value, in a section and key the input may also hold.
    const std::string_view value = bytes.substr(size / 2);
    ini.ReadInteger("TKM", "FormVersion", 0);
    try {
        ini.WriteString("TKM\\TfrmMain.mruMain", "Item_0", value);
    } catch (const std::invalid_argument&) {
        return 0;  // a line break: refused, as it must be
    }
    const tkm::TIniDocument reread = tkm::TIniDocument::Parse(ini.Text());
    if (reread.ReadString("tkm\\tfrmmain.mrumain", "ITEM_0", "") != value) __builtin_trap();
    ini.EraseSection("TKM\\TfrmMain.mruMain");
    if (ini.SectionExists("TKM\\TfrmMain.mruMain")) __builtin_trap();
    return 0;
}
