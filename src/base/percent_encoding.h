#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// `text` with every byte but ASCII letters, digits and the characters of
// `plain` written as "%" and two upper-case hex digits.
std::string PercentEncoded(std::string_view text, std::string_view plain);
// Undoes PercentEncoded; none for a "%" not followed by two hex digits.
std::optional<std::string> PercentDecoded(std::string_view text);

}  // namespace tkm
