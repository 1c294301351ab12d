#include "base/translatable.h"

namespace tkm {

namespace {
TTextTranslator textTranslator = nullptr;
}

void SetTextTranslator(TTextTranslator translator) { textTranslator = translator; }

std::string TranslatedText(const char* context, const char* text) {
    return textTranslator ? textTranslator(context, text) : std::string(text);
}

std::string FillText(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() ? std::size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= args.size() && number <= 9) {
            filled += *(args.begin() + (number - 1));
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace tkm
