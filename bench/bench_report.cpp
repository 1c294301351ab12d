#include "bench_report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tkm::bench {

double MedianSeconds(int runs, const std::function<double()>& once) {
    std::vector<double> seconds;
    for (int i = 0; i < std::max(runs, 1); ++i) seconds.push_back(once());
    std::sort(seconds.begin(), seconds.end());
    const std::size_t middle = seconds.size() / 2;
    return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}

void TBenchReport::Seconds(const std::string& name, int entries, double seconds, std::uint64_t bytes) {
    if (bytes > 0 && seconds > 0)
        std::printf("%s\t%d\t%.6f\t%.1f\n", name.c_str(), entries, seconds, double(bytes) / 1e6 / seconds);
    else
        std::printf("%s\t%d\t%.6f\t-\n", name.c_str(), entries, seconds);
    std::fflush(stdout);
}

void TBenchReport::Value(const std::string& name, int entries, double value) {
    std::printf("%s\t%d\t%.1f\t-\n", name.c_str(), entries, value);
    std::fflush(stdout);
}

void TBenchReport::Fail(const std::string& why) {
    Note("FAILED: " + why);
    failed_ = true;
}

void Note(const std::string& text) {
    std::fprintf(stderr, "# %s\n", text.c_str());
    std::fflush(stderr);
}

}  // namespace tkm::bench
