#include "base/mail_to.h"

#include <cstring>
#include <string_view>

namespace tkm {

namespace {

// Bytes a "mailto:" address carries as they are; "@" joins the parts of an
// address, everything else (spaces, "%", "&", "?", "#", "=", non-ASCII) is encoded.
bool Plain(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::strchr("-._~!$'()*+,;:@", c) != nullptr;
}

std::string Encoded(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c != 0 && Plain(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
        }
    }
    return out;
}

}  // namespace

std::string MailToAddress(const TMailMessage& message) {
    std::string address = "mailto:" + Encoded(message.Destinator);
    char separator = '?';
    for (const auto& [name, value] : {std::pair<std::string_view, const std::string&>{"SUBJECT", message.Subject},
                                      {"BCC", message.Bcc},
                                      {"CC", message.Cc}}) {
        if (value.empty()) continue;
        address += separator;
        address.append(name) += '=';
        address += Encoded(value);
        separator = '&';
    }
    return address;
}

}  // namespace tkm
