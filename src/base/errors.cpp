#include "base/errors.h"

#include <cstring>

namespace tkm {

std::string ErrnoText(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

}  // namespace tkm
