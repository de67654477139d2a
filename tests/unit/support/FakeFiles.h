// The fake desktop's files: contents as written (text mode is the real
// platform's business).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "hooklib/core/Platform.h"

namespace quorvel::testing {

class FakeFiles : public Files {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyFolders;  // a file whose path starts with one of these cannot be opened
    std::vector<std::string> Lines(const std::string& path) const;
    int openFiles() const { return static_cast<int>(openFiles_.size()); }

    FileId OpenTextFile(const char* path, bool truncate) override;
    void WriteText(FileId f, const char* text) override;
    void CloseFile(FileId f) override;

private:
    std::map<FileId, std::string> openFiles_;
    FileId nextFile_ = 1;
};

}  // namespace quorvel::testing
