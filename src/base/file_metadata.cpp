#include "base/file_metadata.h"

#include <cerrno>
#include <string_view>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace tkm {

namespace {

// The attribute's value, or nothing when it cannot be read.
bool ReadAttribute(const std::string& path, const char* name, std::vector<char>& value) {
    for (;;) {
        const ssize_t size = getxattr(path.c_str(), name, nullptr, 0);
        if (size < 0) return false;
        value.resize(std::size_t(size));
        const ssize_t got = getxattr(path.c_str(), name, value.data(), value.size());
        if (got >= 0) {
            value.resize(std::size_t(got));
            return true;
        }
        if (errno != ERANGE) return false;  // ERANGE: it grew meanwhile
    }
}

void CopyAttributes(const std::string& path, int fd) {
    std::vector<char> names;
    for (;;) {
        const ssize_t size = listxattr(path.c_str(), nullptr, 0);
        if (size <= 0) return;
        names.resize(std::size_t(size));
        const ssize_t got = listxattr(path.c_str(), names.data(), names.size());
        if (got >= 0) {
            names.resize(std::size_t(got));
            break;
        }
        if (errno != ERANGE) return;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::string_view(names.data() + at).size() + 1) {
        const char* name = names.data() + at;
        if (ReadAttribute(path, name, value)) fsetxattr(fd, name, value.data(), value.size(), 0);
    }
}

}  // namespace

int CopyFileMetadata(const std::string& path, const struct stat& st, int fd) {
    // Only root may give a file away; anyone may keep the group of a file they
    // could write when they belong to it.
    if (fchown(fd, st.st_uid, st.st_gid) != 0) (void)fchown(fd, uid_t(-1), st.st_gid);
    // After the owner: changing the owner clears the set-user-ID bit.
    if (fchmod(fd, st.st_mode & 07777) != 0) return errno;
    // After the permissions: an access control list sets the group bits itself.
    CopyAttributes(path, fd);
    return 0;
}

}  // namespace tkm
