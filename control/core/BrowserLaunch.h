// Which program the circle gesture starts: the user's browser, the program
// registered for http, by its full path and asked for a new window; where
// that is Internet Explorer (or nothing usable is registered) Internet
// Explorer by the full path of its App Paths entry, without arguments, as
// ever. A name without a folder is never started: the shell would look for
// it in the current folder first.
#pragma once

#include <string>

namespace quorvel {

// What the registry says, as the Win32 side reads it (environment
// variables expanded).
struct BrowserRegistration {
    // The open command of the program registered for http: the user's
    // choice (UrlAssociations\http\UserChoice's ProgId) when there is one,
    // else HKEY_CLASSES_ROOT\http. Empty: none.
    std::string httpCommand;
    // "...\App Paths\IEXPLORE.EXE": Internet Explorer's full path, maybe quoted.
    std::string internetExplorer;
};

struct BrowserStart {
    std::string path;  // full path of the program; empty: nothing to start
    std::string parameters;
};

BrowserStart ResolveBrowserStart(const BrowserRegistration& registration);

// The program of a command line: the quoted first part, or else everything
// up to the first ".exe" that ends a word (paths with blanks are often left
// unquoted), or else the first word.
std::string CommandProgram(const std::string& command);

}  // namespace quorvel
