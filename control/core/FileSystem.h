// The few file operations the control program needs, so that the library
// file refresh and the removal of an upgrade's leftovers can be exercised on
// a fake file system.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Deletes the file even when it is read-only.
    virtual bool Delete(const std::string& path) = 0;
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    virtual bool Copy(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // The whole content of a file.
    virtual bool Read(const std::string& path, std::string* contents) = 0;
    // Renames `from` to `to`, replacing `to`, written through to the disk
    // before it returns.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    // The names (without the folder) of the files in a folder given with a
    // trailing backslash; sub-folders are left out.
    virtual std::vector<std::string> List(const std::string& folder) = 0;
};

}  // namespace quorvel
