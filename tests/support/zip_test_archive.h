#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tkm::test {

// A zip archive of stored members, as the simplest zip writer makes one.
inline std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string out, directory;
    const auto put = [](std::string& to, std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i) to += char(value >> (8 * i) & 0xFF);
    };
    for (const auto& [name, bytes] : members) {
        const auto crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
        const auto offset = std::uint32_t(out.size());
        std::string fields;  // version, flags, method, time, date, CRC, sizes, name length, extra length
        for (const auto [value, width] : {std::pair<std::uint32_t, int>{20, 2}, {0, 2}, {0, 2}, {0, 2}, {0x5B21, 2},
                                          {crc, 4}, {std::uint32_t(bytes.size()), 4}, {std::uint32_t(bytes.size()), 4},
                                          {std::uint32_t(name.size()), 2}, {0, 2}})
            put(fields, value, width);
        put(out, 0x04034b50, 4);
        out += fields + name + bytes;
        put(directory, 0x02014b50, 4);
        put(directory, 20, 2);
        directory += fields;
        put(directory, 0, 4);  // comment length, disk
        put(directory, 0, 2);  // internal attributes
        put(directory, 0, 4);  // external attributes
        put(directory, offset, 4);
        directory += name;
    }
    const auto directoryOffset = std::uint32_t(out.size());
    out += directory;
    put(out, 0x06054b50, 4);
    put(out, 0, 4);
    put(out, std::uint32_t(members.size()), 2);
    put(out, std::uint32_t(members.size()), 2);
    put(out, std::uint32_t(directory.size()), 4);
    put(out, directoryOffset, 4);
    put(out, 0, 2);
    return out;
}

}  // namespace tkm::test
