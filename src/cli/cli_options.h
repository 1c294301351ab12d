#pragma once

#include "base/date_text.h"
#include "platform/clock.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tkm::cli {

// Bad usage: exit code 2, the message names the bad argument.
class EUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read or written: exit code 3.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Clock pinned by --today/--now, the rest from the system clock.
class PinnedClock final : public Clock {
public:
    std::optional<TDate> PinnedToday;
    std::optional<TTimeOfDay> PinnedNow;
    TDate Today() const override { return PinnedToday ? *PinnedToday : SystemClock().Today(); }
    TTimeOfDay Now() const override { return PinnedNow ? *PinnedNow : SystemClock().Now(); }
};

// The arguments of one subcommand: positional ones and --options, after the
// options every subcommand takes have been taken out.
struct TArguments {
    std::vector<std::string> Positional;
    std::vector<std::pair<std::string, std::optional<std::string>>> Options;
    PinnedClock Clock;
    TLocaleFormats Formats;
    std::string TimeZone;  // the desktop's, for iCalendar files

    // Takes --name (a flag) out of the options; true when it was given.
    bool TakeFlag(const std::string& name);
    // Takes --name VALUE out of the options.
    std::optional<std::string> TakeValue(const std::string& name);
    // Takes --name N out of the options, a whole number from min to max;
    // `fallback` when it is not given.
    int TakeInteger(const std::string& name, int fallback, int min, int max);
    // Fails on any option no one took.
    void RejectUnknown() const;
    void ExpectPositional(std::size_t min, std::size_t max) const;
};

// Reads the common options; `valued` lists the subcommand's options that take a value.
TArguments ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valued);

}  // namespace tkm::cli
