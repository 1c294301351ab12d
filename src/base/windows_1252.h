#pragma once

#include <string>
#include <string_view>

namespace tkm {

// Lists written on Windows hold Windows-1252 bytes; the program shows cells
// that are not valid UTF-8 that way.

// The character a Windows-1252 byte stands for; the five bytes it leaves
// undefined stand for the C1 controls of the same number.
char32_t Windows1252ToUnicode(unsigned char byte);

bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 bytes of one character.
void AppendUtf8(std::string& out, char32_t c);

// The cell as it is shown, in UTF-8: valid UTF-8 as it is, anything else read
// as Windows-1252. Returns `bytes` itself or the text written into `buffer`.
std::string_view ShownAsUtf8(std::string_view bytes, std::string& buffer);

}  // namespace tkm
