#include "peak_memory.h"

#include "bench_report.h"
#include "child_process.h"
#include "tasks/calendar_document.h"
#include "tasks/task_document.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace tkm::bench {

namespace {

// VmHWM of this process, in kB; -1 when the kernel does not say.
long long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6));
    return -1;
}

}  // namespace

double PeakMegabytesAfterLoad(const std::string& fileName) {
    const TProcessResult child = RunProcess({"/proc/self/exe", PeakMemoryChildOption, fileName});
    if (child.ExitCode != 0) {
        Note("the peak memory child failed: " + child.Output);
        return 0;
    }
    return double(std::stoll(child.Output)) * 1024 / 1e6;
}

int PeakMemoryChild(const std::string& fileName) {
    const TBaseGrid grid = IsCalendarFileName(fileName)
                               ? ReadCalendarDocument(fileName, {TLocaleFormats{}, "Europe/Berlin"})
                               : ReadTaskDocument(fileName);
    const long long peak = PeakResidentKilobytes();
    if (peak < 0) return 1;
    std::printf("%lld\n", peak);
    return 0;
}

}  // namespace tkm::bench
