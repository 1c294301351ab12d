#pragma once

#include <string>
#include <sys/stat.h>

namespace tkm {

// Gives the file open as `fd` what the file at `path` (described by `st`) has
// beside its bytes: owner and group where this process may set them, the
// permissions, and the extended attributes, among them the access control
// lists (system.posix_acl_access). Attributes this process may not set, or
// that `fd`'s file system cannot hold, are left out: they never stop a save.
// Returns 0 or the errno value of a failure to set the permissions.
int CopyFileMetadata(const std::string& path, const struct stat& st, int fd);

}  // namespace tkm
