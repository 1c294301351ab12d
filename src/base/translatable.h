#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tkm {

// Messages the window shows in the user's language. Core code writes
// TKM_TR("Context", "English text with %1") and fills in the %n after the
// lookup, so a translation may put them in another order. Until the window
// installs a translator every text comes back as written: tkm and the core
// tests see the English texts byte for byte.
using TTextTranslator = std::string (*)(const char* context, const char* text);
void SetTextTranslator(TTextTranslator translator);
std::string TranslatedText(const char* context, const char* text);

// text with %1..%9 replaced by args; a % not followed by the number of an
// argument stays as it is.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace tkm

#define TKM_TR(context, text) ::tkm::TranslatedText(context, text)
// Marks a text in a table for the window to look up under context itself.
#define TKM_TRANSLATE_NOOP(context, text) text
