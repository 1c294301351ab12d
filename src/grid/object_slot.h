#pragma once

namespace tkm {

// A pointer that belongs to the object holding it, not to what it holds, as
// a grid's observers do: a copy of the holder starts without one, and giving
// the holder another's contents keeps its own.
template <typename T>
class TObjectSlot {
public:
    TObjectSlot() = default;
    TObjectSlot(const TObjectSlot&) {}
    TObjectSlot& operator=(const TObjectSlot&) { return *this; }

    void Set(T* value) { value_ = value; }
    T* Get() const { return value_; }

private:
    T* value_ = nullptr;
};

}  // namespace tkm
