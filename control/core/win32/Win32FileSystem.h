// The file operations of the control program on the real file system.
#pragma once

#include "control/core/FileSystem.h"

namespace quorvel {

class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool Delete(const std::string& path) override;
    bool Move(const std::string& from, const std::string& to) override;
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
    bool Read(const std::string& path, std::string* contents) override;
    bool Replace(const std::string& from, const std::string& to) override;
    std::vector<std::string> List(const std::string& folder) override;
};

}  // namespace quorvel
