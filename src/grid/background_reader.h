#pragma once

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

// The grid's reader, one at a time. Belongs to the grid object as its sink
// does: a copy of a grid has none.
class TBackgroundReaderSlot {
public:
    TBackgroundReaderSlot() = default;
    TBackgroundReaderSlot(const TBackgroundReaderSlot&) {}
    TBackgroundReaderSlot& operator=(const TBackgroundReaderSlot&) { return *this; }

    void Set(TBackgroundReader* reader) { reader_ = reader; }
    void Stop() const {
        if (reader_) reader_->StopReading();
    }

private:
    TBackgroundReader* reader_ = nullptr;
};

}  // namespace tkm
