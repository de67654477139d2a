// An in-memory file system: file name -> contents, plus read-only marks and
// files that refuse to be deleted or moved (mapped by another process).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "control/core/FileSystem.h"

namespace quorvel {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> locked;  // in use: cannot be deleted, moved or overwritten
    bool failCopies = false;

    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool Delete(const std::string& path) override {
        if (locked.count(path) || !files.erase(path)) return false;
        return true;
    }
    bool Move(const std::string& from, const std::string& to) override {
        if (!Exists(from) || Exists(to) || locked.count(from)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override {
        if (failCopies || !Exists(from) || (failIfExists && Exists(to)) || locked.count(to)) return false;
        files[to] = tornCopies ? files[from].substr(0, files[from].size() / 2) : files[from];
        return true;
    }
    bool Read(const std::string& path, std::string* contents) override {
        if (!Exists(path)) return false;
        *contents = files[path];
        return true;
    }
    bool Replace(const std::string& from, const std::string& to) override {
        if (!Exists(from) || locked.count(from) || locked.count(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    std::vector<std::string> List(const std::string& folder) override {
        std::vector<std::string> names;
        for (const auto& file : files) {
            const std::string& path = file.first;
            if (path.compare(0, folder.size(), folder) == 0 && path.find('\\', folder.size()) == std::string::npos)
                names.push_back(path.substr(folder.size()));
        }
        return names;
    }
    bool tornCopies = false;  // copies stop half way (a full disk, a crash)
};

}  // namespace quorvel
