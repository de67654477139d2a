// A fake desktop behind every role of the library's platform: windows with
// their properties, monitors, processes, a cursor, a tick clock, system
// metrics, a registry and files, and a record of everything the library did
// (posted messages, SendInput inputs, ShellExecute calls, cursor moves,
// started threads). Each role is a part of its own (FakeWindows.h,
// FakeInput.h, FakeSystem.h, FakeRegistry.h, FakeFiles.h); the tests use the
// whole desktop.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "FakeFiles.h"
#include "FakeInput.h"
#include "FakeRegistry.h"
#include "FakeSystem.h"
#include "FakeWindows.h"
#include "hooklib/core/Context.h"
#include "hooklib/core/SharedStateLife.h"

namespace quorvel::testing {

class FakeLock : public ProcessLock {
public:
    void Enter() override {
        ++depth;
        ++entered;
    }
    void Leave() override { --depth; }
    int depth = 0;
    int entered = 0;
};

// The parts that ask other parts come last: those are made before them.
class FakeDesktop : public FakeWindows,
                    public FakeInput,
                    public FakeClock,
                    public FakeSystem,
                    public FakeHooks,
                    public FakeRegistry,
                    public FakeFiles,
                    public FakeShell,
                    public FakeProcesses,
                    public FakeMessages {
public:
    FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    // Forgets what the library did: posted messages, inputs, shell calls,
    // cursor moves, sleeps and window moves.
    void ClearRecords();

private:
    const FakeWindows& WindowPart() const { return *this; }
};

// A complete library context on a fake desktop: the shared record in its
// initial state, this process's state and the fake platform. The install
// folder is "C:\\Quorvel\\" unless changed.
struct FakeLibrary {
    FakeLibrary();
    FakeDesktop os;
    SharedState shared{};
    ProcessState process;
    FakeLock lock;
    Context ctx{os, shared, process};

    // The monitors as Quorvel.exe would hand them over (primary first);
    // without any, the library works with the 1024 x 768 primary screen.
    void SetMonitors(std::initializer_list<Rect> monitors);
    // Lines of the debug log (CR-free, as written).
    std::vector<std::string> LogLines() const;
    std::string LogPath() const;
    // Does any log line contain the text?
    bool LogHas(const std::string& text) const;
    void ClearLog();
};

}  // namespace quorvel::testing
