#include "FakeFiles.h"

#include <sstream>

#include "FakeText.h"

namespace quorvel::testing {

FileId FakeFiles::OpenTextFile(const char* path, bool truncate) {
    std::string p = path ? path : "";
    for (const std::string& folder : readOnlyFolders) {
        if (Lower(p).rfind(Lower(folder), 0) == 0) return 0;
    }
    if (truncate)
        files[p].clear();
    else
        files[p];
    FileId id = nextFile_++;
    openFiles_[id] = p;
    return id;
}

void FakeFiles::WriteText(FileId f, const char* text) {
    auto it = openFiles_.find(f);
    if (it != openFiles_.end()) files[it->second] += text;
}

void FakeFiles::CloseFile(FileId f) { openFiles_.erase(f); }

std::vector<std::string> FakeFiles::Lines(const std::string& path) const {
    std::vector<std::string> out;
    auto it = files.find(path);
    if (it == files.end()) return out;
    std::istringstream in(it->second);
    std::string line;
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

}  // namespace quorvel::testing
