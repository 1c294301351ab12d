#include "grid/io/file_progress.h"

namespace tkm {

int RoundedPercent(long long done, long long total) {
    if (total <= 0) return 100;
    const long long scaled = done * 100;
    long long percent = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 != 0)) ++percent;
    return int(percent);
}

TFileProgressHandler ProgressPart(const TFileProgressHandler& whole, int from, int to) {
    if (!whole) return {};
    return [whole, from, to](int percent) { whole(from + percent * (to - from) / 100); };
}

}  // namespace tkm
