#include "base/mail_to.h"

#include "base/percent_encoding.h"

#include <string_view>

namespace tkm {

namespace {

// Bytes a "mailto:" address carries as they are; "@" joins the parts of an
// address, everything else (spaces, "%", "&", "?", "#", "=", non-ASCII) is encoded.
std::string Encoded(std::string_view text) { return PercentEncoded(text, "-._~!$'()*+,;:@"); }

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
