// Smallest PE images for the library file tests: a header, one section with
// an export table naming `exports`, then `tag` (so images can be told apart).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

inline void Put32(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

inline std::string MakeLibraryImage(const std::string& tag,
                                    std::vector<std::string> exports = {"SetQuorvelVersion", "SetStopHookFlag",
                                                                        "startHook", "stopHook"}) {
    std::string b(0x400, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, 0x40);
    b.replace(0x40, 4, std::string("PE\0\0", 4));
    Put32(b, 0x44, 0x0001014c);   // i386, one section
    Put32(b, 0x54, 224);          // size of the optional header
    Put32(b, 0x58, 0x10b);        // PE32
    Put32(b, 0x58 + 92, 16);      // data directories
    Put32(b, 0x58 + 96, 0x1000);  // export table
    const size_t section = 0x58 + 224;
    Put32(b, section + 8, 0x200);
    Put32(b, section + 12, 0x1000);
    Put32(b, section + 16, 0x200);
    Put32(b, section + 20, 0x200);
    Put32(b, 0x200 + 24, static_cast<uint32_t>(exports.size()));
    Put32(b, 0x200 + 32, 0x1040);
    uint32_t name = 0x1080;
    for (size_t i = 0; i < exports.size(); ++i) {
        Put32(b, 0x240 + 4 * i, name);
        b.replace(name - 0x1000 + 0x200, exports[i].size(), exports[i]);
        name += static_cast<uint32_t>(exports[i].size()) + 1;
    }
    return b + tag;
}

}  // namespace quorvel
