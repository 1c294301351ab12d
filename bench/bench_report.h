#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace tkm::bench {

class TStopwatch {
public:
    TStopwatch() : start_(std::chrono::steady_clock::now()) {}
    double Seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

private:
    std::chrono::steady_clock::time_point start_;
};

// Runs `once` `runs` times and returns the median of what it returns: the
// seconds of its own timed part, so that setting up a run is not counted.
double MedianSeconds(int runs, const std::function<double()>& once);

// One line per figure on standard output: name, entries, value, MB/s or "-".
class TBenchReport {
public:
    // `bytes` > 0 adds bytes / seconds as MB/s.
    void Seconds(const std::string& name, int entries, double seconds, std::uint64_t bytes = 0);
    // A figure that is not a time (its unit is in its name).
    void Value(const std::string& name, int entries, double value);
    bool Failed() const { return failed_; }
    // A wrong result makes the whole run fail after every figure is printed.
    void Fail(const std::string& why);

private:
    bool failed_ = false;
};

// Notes for the reader go to standard error, so standard output stays a table.
void Note(const std::string& text);

}  // namespace tkm::bench
