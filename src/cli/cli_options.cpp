#include "cli/cli_options.h"

#include "platform/qt/system_locale.h"

#include <algorithm>
#include <charconv>

namespace tkm::cli {

namespace {

int Number(const std::string& text, std::size_t from, std::size_t length, const std::string& option) {
    int value = 0;
    const char* begin = text.data() + from;
    // Digits only: from_chars would take a sign.
    const bool digits = std::all_of(begin, begin + length, [](char c) { return c >= '0' && c <= '9'; });
    const auto [end, ec] = std::from_chars(begin, begin + length, value);
    if (!digits || ec != std::errc() || end != begin + length) throw EUsage("bad value for " + option + ": " + text);
    return value;
}

TDate ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') throw EUsage("bad value for --today: " + text);
    TDate d{Number(text, 0, 4, "--today"), Number(text, 5, 2, "--today"), Number(text, 8, 2, "--today")};
    if (!d.IsValid()) throw EUsage("bad value for --today: " + text);
    return d;
}

TTimeOfDay ParseIsoTime(const std::string& text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') throw EUsage("bad value for --now: " + text);
    TTimeOfDay t{Number(text, 0, 2, "--now"), Number(text, 3, 2, "--now"), Number(text, 6, 2, "--now")};
    if (t.Hour > 23 || t.Minute > 59 || t.Second > 59) throw EUsage("bad value for --now: " + text);
    return t;
}

// An empty picture would write every date or time as nothing.
const std::string& Picture(const std::string& value, const std::string& option) {
    if (value.empty()) throw EUsage("bad value for " + option + ": the picture is empty");
    return value;
}

char SingleChar(const std::string& value, const std::string& option) {
    if (value.size() != 1) throw EUsage("bad value for " + option + ": '" + value + "' (one character expected)");
    return value[0];
}

}  // namespace

TArguments ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valued) {
    TArguments parsed;
    // The window's own reading of the desktop's locale, so both write and read the same texts.
    parsed.Formats = SystemLocaleFormats();
    parsed.TimeZone = SystemTimeZoneName();
    const std::vector<std::string> common{"--today", "--now", "--date-format", "--time-format",
                                          "--decimal-separator", "--thousands-separator"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            if (a == "-o" && i + 1 < args.size()) {
                parsed.Options.emplace_back("-o", args[++i]);
                continue;
            }
            parsed.Positional.push_back(a);
            continue;
        }
        const bool isCommon = std::find(common.begin(), common.end(), a) != common.end();
        const bool takesValue = isCommon || std::find(valued.begin(), valued.end(), a) != valued.end();
        if (!takesValue) {
            parsed.Options.emplace_back(a, std::nullopt);
            continue;
        }
        if (i + 1 >= args.size()) throw EUsage("missing value for " + a);
        const std::string& value = args[++i];
        if (a == "--today") parsed.Clock.PinnedToday = ParseIsoDate(value);
        else if (a == "--now") parsed.Clock.PinnedNow = ParseIsoTime(value);
        else if (a == "--date-format") parsed.Formats.ShortDateFormat = Picture(value, a);
        else if (a == "--time-format") parsed.Formats.LongTimeFormat = Picture(value, a);
        else if (a == "--decimal-separator") parsed.Formats.DecimalSeparator = SingleChar(value, a);
        else if (a == "--thousands-separator") parsed.Formats.ThousandSeparator = SingleChar(value, a);
        else parsed.Options.emplace_back(a, value);
    }
    const bool thousandsGiven = std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--thousands-separator";
    });
    if (thousandsGiven && parsed.Formats.ThousandSeparator == parsed.Formats.DecimalSeparator)
        throw EUsage("bad value for --thousands-separator: it must differ from the decimal separator");
    parsed.Formats.KeepSeparatorsApart();
    return parsed;
}

bool TArguments::TakeFlag(const std::string& name) {
    auto it = std::find_if(Options.begin(), Options.end(), [&](const auto& o) { return o.first == name; });
    if (it == Options.end()) return false;
    if (it->second) throw EUsage(name + " takes no value");
    Options.erase(it);
    return true;
}

std::optional<std::string> TArguments::TakeValue(const std::string& name) {
    auto it = std::find_if(Options.begin(), Options.end(), [&](const auto& o) { return o.first == name; });
    if (it == Options.end()) return std::nullopt;
    if (!it->second) throw EUsage("missing value for " + name);
    std::string value = *it->second;
    Options.erase(it);
    return value;
}

int TArguments::TakeInteger(const std::string& name, int fallback, int min, int max) {
    const std::optional<std::string> text = TakeValue(name);
    if (!text) return fallback;
    int value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (text->empty() || ec != std::errc() || end != text->data() + text->size() || value < min || value > max)
        throw EUsage("bad value for " + name + ": " + *text + " (" + std::to_string(min) + " to " +
                     std::to_string(max) + ")");
    return value;
}

void TArguments::RejectUnknown() const {
    if (!Options.empty()) throw EUsage("unknown option " + Options.front().first);
}

void TArguments::ExpectPositional(std::size_t min, std::size_t max) const {
    if (Positional.size() < min) throw EUsage("missing argument");
    if (Positional.size() > max) throw EUsage("unexpected argument " + Positional[max]);
}

}  // namespace tkm::cli
