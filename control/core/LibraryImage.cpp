#include "LibraryImage.h"

#include <cstdint>
#include <cstring>

#include "common/HookExports.h"

namespace quorvel {
namespace {

constexpr uint32_t MAX_SECTIONS = 96;
constexpr uint32_t MAX_NAMES = 4096;

class Image {
public:
    explicit Image(const std::string& bytes) : b_(bytes) {}
    bool U16(uint64_t at, uint32_t* out) const {
        if (at + 2 > b_.size()) return false;
        *out = uint8_t(b_[at]) | uint32_t(uint8_t(b_[at + 1])) << 8;
        return true;
    }
    bool U32(uint64_t at, uint32_t* out) const {
        uint32_t lo, hi;
        if (!U16(at, &lo) || !U16(at + 2, &hi)) return false;
        *out = lo | hi << 16;
        return true;
    }
    // A zero-terminated name at `at`, at most 64 characters.
    std::string Name(uint64_t at) const {
        std::string name;
        while (at < b_.size() && b_[at] != '\0' && name.size() < 64) name += b_[at++];
        return at < b_.size() && b_[at] == '\0' ? name : std::string();
    }
    size_t Size() const { return b_.size(); }

private:
    const std::string& b_;
};

struct Sections {
    uint64_t table = 0;
    uint32_t count = 0;
    // File offset of an address of the loaded image; false outside every section.
    bool ToOffset(const Image& image, uint32_t rva, uint64_t* out) const {
        for (uint32_t i = 0; i < count; ++i) {
            uint64_t s = table + 40ull * i;
            uint32_t vsize, va, rawSize, raw;
            if (!image.U32(s + 8, &vsize) || !image.U32(s + 12, &va) || !image.U32(s + 16, &rawSize) ||
                !image.U32(s + 20, &raw)) {
                return false;
            }
            if (rva >= va && uint64_t(rva) < uint64_t(va) + rawSize) {
                *out = uint64_t(raw) + (rva - va);
                return *out < image.Size();
            }
        }
        return false;
    }
};

}  // namespace

bool LooksLikeHookLibrary(const std::string& bytes) {
    Image image(bytes);
    if (bytes.size() < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    uint32_t pe = 0;
    if (!image.U32(0x3C, &pe) || uint64_t(pe) + 24 > bytes.size() || std::memcmp(bytes.data() + pe, "PE\0\0", 4) != 0) {
        return false;
    }
    const uint64_t fileHeader = uint64_t(pe) + 4;
    uint32_t sectionCount, optionalSize, magic;
    if (!image.U16(fileHeader + 2, &sectionCount) || !image.U16(fileHeader + 16, &optionalSize)) return false;
    const uint64_t optional = fileHeader + 20;
    if (!image.U16(optional, &magic)) return false;
    const uint64_t directories = magic == 0x10b ? optional + 96 : magic == 0x20b ? optional + 112 : 0;
    uint32_t directoryCount, exportRva;
    if (!directories || !image.U32(directories - 4, &directoryCount) || directoryCount < 1 ||
        !image.U32(directories, &exportRva) || exportRva == 0) {
        return false;
    }
    Sections sections{optional + optionalSize, sectionCount};
    if (sectionCount == 0 || sectionCount > MAX_SECTIONS) return false;
    for (uint32_t i = 0; i < sectionCount; ++i) {  // a torn file ends inside some section
        uint32_t rawSize, raw;
        if (!image.U32(sections.table + 40ull * i + 16, &rawSize) ||
            !image.U32(sections.table + 40ull * i + 20, &raw) || uint64_t(raw) + rawSize > bytes.size()) {
            return false;
        }
    }
    uint64_t exports, names;
    uint32_t nameCount, namesRva;
    if (!sections.ToOffset(image, exportRva, &exports) || !image.U32(exports + 24, &nameCount) ||
        !image.U32(exports + 32, &namesRva) || nameCount > MAX_NAMES || !sections.ToOffset(image, namesRva, &names)) {
        return false;
    }
    size_t found = 0;
    for (HookExport export_ : REQUIRED_HOOK_EXPORTS) {
        const char* required = HookExportName(export_);
        for (uint32_t i = 0; i < nameCount; ++i) {
            uint32_t nameRva;
            uint64_t at;
            if (image.U32(names + 4ull * i, &nameRva) && sections.ToOffset(image, nameRva, &at) &&
                image.Name(at) == required) {
                ++found;
                break;
            }
        }
    }
    return found == sizeof REQUIRED_HOOK_EXPORTS / sizeof REQUIRED_HOOK_EXPORTS[0];
}

}  // namespace quorvel
