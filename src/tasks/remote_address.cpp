#include "tasks/remote_address.h"

#include "base/percent_encoding.h"

#include <cctype>

namespace tkm {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

}  // namespace

bool IsRemoteListAddress(std::string_view address) {
    return StartsWithNoCase(address, "caldav://") || StartsWithNoCase(address, "http://") ||
           StartsWithNoCase(address, "https://");
}

std::optional<TRemoteAddress> TRemoteAddress::Parse(const std::string& address) {
    if (!IsRemoteListAddress(address)) return std::nullopt;
    const std::size_t schemeEnd = address.find("://") + 3;
    std::string scheme = StartsWithNoCase(address, "caldav://") ? "https://" : address.substr(0, schemeEnd);
    for (char& c : scheme) c = char(std::tolower(static_cast<unsigned char>(c)));
    std::string rest = address.substr(schemeEnd);
    const std::size_t hostEnd = rest.find('/');
    const std::size_t at = rest.rfind('@', hostEnd);
    TRemoteAddress parsed;
    if (at != std::string::npos) {
        // A password in the address is not kept.
        const std::string userInfo = rest.substr(0, at);
        const std::string user = userInfo.substr(0, userInfo.find(':'));
        parsed.User = PercentDecoded(user).value_or(user);
        rest = rest.substr(at + 1);
    }
    if (rest.empty() || rest.front() == '/') return std::nullopt;
    parsed.Url = scheme + rest;
    return parsed;
}

std::string TRemoteAddress::Name() const {
    if (User.empty()) return Url;
    const std::size_t schemeEnd = Url.find("://") + 3;
    return Url.substr(0, schemeEnd) + PercentEncoded(User, "-_.~") + "@" + Url.substr(schemeEnd);
}

}  // namespace tkm
