#pragma once

#include "base/translatable.h"

namespace tkm::Project {

// Who makes the program and where to reach them: shown in the about box.
inline constexpr char Name[] = "Taskmere";
inline constexpr char Version[] = "Version 1.0.2B";
inline constexpr char Tagline[] = TKM_TRANSLATE_NOOP("Project", "A to-do list manager for the Linux desktop");
inline constexpr char WebSite[] = "https://taskmere.example.org";
inline constexpr char MailAddress[] = "taskmere@example.org";

}  // namespace tkm::Project
