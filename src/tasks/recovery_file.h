#pragma once

#include "base/date_text.h"
#include "grid/base_grid.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// What a recovery file says about the changes it keeps.
struct TRecoveryRecord {
    std::string DocumentName;  // the document's file name, "Untitled" for a new one
    TDate Date;
    TTimeOfDay Time;
};

struct TRecoveryContent {
    TRecoveryRecord Record;
    std::string_view Table;  // the .tkm bytes, a view into the file's bytes
};

// The folder the recovery files live in: $XDG_STATE_HOME/Taskmere, or
// ~/.local/state/Taskmere when that is unset or not absolute. Empty when
// neither is known.
std::string RecoveryFolderPath(const char* stateHome, const char* home);

// The few lines in front of the table.
std::string RecoveryHeader(const TRecoveryRecord& record);
// None when the bytes are not a recovery file.
std::optional<TRecoveryContent> ReadRecoveryContent(std::string_view bytes);

// The header and the table in the .tkm format, through the safe writer.
// EGridFileError or EInOutError as any export.
void WriteRecoveryFile(const std::string& fileName, const TRecoveryRecord& record, const TBaseGrid& table);

// "Taskmere was not closed properly. Restore the unsaved changes of NAME from TIME?"
std::string RecoveryQuestion(const TRecoveryRecord& record, const TLocaleFormats& formats);

// Names in the folder. A running program keeps its changes in an unsaved file
// beside a lock file it holds; a declined one carries the day it was declined.
namespace RecoveryNames {

constexpr int DaysKeptAside = 7;

std::string Unsaved(std::string_view instanceId);
std::string LockOf(std::string_view unsavedName);
std::string Declined(std::string_view unsavedName, TDate today);
// The unsaved files among a folder's names, in name order.
std::vector<std::string> UnsavedAmong(std::span<const std::string> names);
// The lock files no unsaved file goes with.
std::vector<std::string> LonelyLocksAmong(std::span<const std::string> names);
// The declined files kept aside for a week or longer by today, and any whose
// day cannot be read.
std::vector<std::string> ExpiredAmong(std::span<const std::string> names, TDate today);

}  // namespace RecoveryNames

}  // namespace tkm
