#pragma once

#include <string>

namespace tkm::bench {

// The option that makes the program the child below instead of the bench.
constexpr const char* PeakMemoryChildOption = "--peak-memory-child";

// The peak resident memory, in MB, of a fresh process that has loaded the
// document (an ".ics" one as iCalendar); 0 when that process failed.
double PeakMegabytesAfterLoad(const std::string& fileName);

// The child: loads the document and prints its peak resident memory in kB.
int PeakMemoryChild(const std::string& fileName);

}  // namespace tkm::bench
