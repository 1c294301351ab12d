#pragma once

#include "settings/ini_storable.h"

#include <string>
#include <vector>

namespace tkm {

// Owns the main window's INI file: stamps it with the form version and has
// the linked components (the reopen list) load on every show and store on
// close.
class TFormPlacement {
public:
    explicit TFormPlacement(std::string iniFileName = {}, std::string iniSection = "TKM", int version = 0);

    const std::string& IniFileName() const { return iniFileName_; }
    void SetIniFileName(std::string name) { iniFileName_ = std::move(name); }
    const std::string& IniSection() const { return iniSection_; }

    // `name` is "FormClass.component"; its section is IniSection + "\" + name.
    void Link(TIniStorable& storable, const std::string& name);

    // The window became visible. Failures (an unreadable file) are thrown.
    void Restore();
    // The window may close. Does nothing before a restore. Failures are thrown.
    void Save();
    // The window is destroyed: saves unless a save ran since the last restore.
    void SaveOnDestroy();

    bool Restored() const { return restored_; }
    // A save ran since the last restore.
    bool Saved() const { return saved_; }

private:
    struct TLink {
        TIniStorable* Storable;
        std::string Section;
    };

    std::string iniFileName_;
    std::string iniSection_;
    int version_;
    std::vector<TLink> links_;
    bool restored_ = false;
    bool saved_ = false;
};

}  // namespace tkm
