#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <string>

namespace tkm::bench {

// Radicale reads every to-do of the collection on each new one it is sent
// (to refuse a UID twice), so ten thousand uploads take about an hour:
// uploading is timed on at most this many entries.
constexpr int MostUploadedEntries = 1000;

// A remote list against a Radicale of its own on 127.0.0.1: the first open,
// a refresh with nothing new, a save of one changed entry, and uploading
// new entries beside vdirsyncer syncing the same resources.
void CaldavFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, bool peers, TBenchReport& report);

}  // namespace tkm::bench
