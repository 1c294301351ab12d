#pragma once

#include "grid/object_slot.h"

namespace tkm {

// Work that reads a grid on another thread while the grid's own thread goes
// on. The grid stops it before each change to its rows, texts or columns, so
// that it never reads a grid in the middle of one.
class TBackgroundReader {
public:
    virtual ~TBackgroundReader() = default;
    // Returns once nothing of the reader reads the grid any more.
    virtual void StopReading() = 0;
};

// The grid's reader, one at a time.
class TBackgroundReaderSlot : public TObjectSlot<TBackgroundReader> {
public:
    void Stop() const {
        if (TBackgroundReader* reader = Get()) reader->StopReading();
    }
};

}  // namespace tkm
