#pragma once

#include "settings/ini_document.h"

#include <string>

namespace tkm {

// A component that keeps its state in a section of the placement's INI file.
class TIniStorable {
public:
    virtual ~TIniStorable() = default;
    virtual void LoadFrom(const TIniDocument& ini, const std::string& section) = 0;
    virtual void StoreTo(TIniDocument& ini, const std::string& section) const = 0;
};

}  // namespace tkm
