#pragma once

#include <string>

namespace tkm {

// A new e-mail message for the desktop's mail program to start.
struct TMailMessage {
    std::string Destinator;
    std::string Subject;
    std::string Cc;
    std::string Bcc;
};

// The "mailto:" address of a message: the destination, then the subject,
// blind copy and copy, each only when set. The first field follows "?", the
// others "&", and their values are percent-encoded, so a subject holding "&"
// or "?" cannot split into fields of its own.
std::string MailToAddress(const TMailMessage& message);

}  // namespace tkm
