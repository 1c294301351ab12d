#include "settings/form_placement.h"

#include "settings/ini_file.h"

namespace tkm {

namespace {
constexpr const char* VersionKey = "FormVersion";
}

TFormPlacement::TFormPlacement(std::string iniFileName, std::string iniSection, int version)
    : iniFileName_(std::move(iniFileName)), iniSection_(std::move(iniSection)), version_(version) {}

void TFormPlacement::Link(TIniStorable& storable, const std::string& name) {
    links_.push_back({&storable, iniSection_ + "\\" + name});
}

void TFormPlacement::Restore() {
    saved_ = false;
    const TIniFile ini(iniFileName_);
    if (ini.Document().ReadInteger(iniSection_, VersionKey, 0) < version_) return;
    restored_ = true;
    for (const TLink& link : links_) link.Storable->LoadFrom(ini.Document(), link.Section);
}

void TFormPlacement::Save() {
    if (!restored_) return;
    TIniFile ini(iniFileName_);
    ini.Document().WriteInteger(iniSection_, VersionKey, version_);
    for (const TLink& link : links_) link.Storable->StoreTo(ini.Document(), link.Section);
    ini.Save();
    saved_ = true;
}

void TFormPlacement::SaveOnDestroy() {
    if (!saved_) Save();
}

}  // namespace tkm
