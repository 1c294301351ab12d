#pragma once

#include <cstdint>

namespace tkm {

// The in-place editor a cell gets.
enum class TEditorType : std::uint8_t {
    Normal = 0,
    SpinEdit = 1,
    ComboList = 3,
    DatePicker = 6,
    TimePicker = 8,
    Number = 13,
};

}  // namespace tkm
