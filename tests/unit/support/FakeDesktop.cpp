#include "FakeDesktop.h"

#include <cstring>

#include "hooklib/core/ProcessGate.h"

namespace quorvel::testing {

FakeDesktop::FakeDesktop() : FakeProcesses(WindowPart()), FakeMessages(WindowPart()) {}

void FakeDesktop::ClearRecords() {
    posted.clear();
    inputs.clear();
    shellCalls.clear();
    cursorMoves.clear();
    sleeps.clear();
    moves.clear();
}

// ---------------------------------------------------------------- FakeLibrary

FakeLibrary::FakeLibrary() {
    InitialiseSharedState(shared);
    std::strcpy(shared.InstallPath, "C:\\Quorvel\\");
    std::strcpy(shared.SetForegroundWindowPath, "C:\\Quorvel\\SetForegroundWindow.exe");
    std::strcpy(process.InstallFolder, shared.InstallPath);
    std::strcpy(process.SetForegroundWindowPath, shared.SetForegroundWindowPath);
    shared.FirstInitPending = 0;
    shared.IsNTPlatform = 1;
    shared.ScreenWidth = 1024;
    shared.ScreenHeight = 768;
    shared.DoubleClickTime = 500;
    shared.DoubleClickWidth = 4;
    shared.DoubleClickHeight = 4;
    process.lock = &lock;
    process.ModuleHandle = 0x10000000;
    os.moduleNames[process.ModuleHandle] = "C:\\Quorvel\\system.dat";
    os.CreateKey("SOFTWARE\\Harnwick\\Quorvel");
}

void FakeLibrary::SetMonitors(std::initializer_list<Rect> monitors) {
    std::vector<int32_t> rects;
    for (const Rect& m : monitors) rects.insert(rects.end(), {m.left, m.top, m.right, m.bottom});
    SetMonitorLayout(ctx, rects.data(), static_cast<uint32_t>(monitors.size()));
}

std::string FakeLibrary::LogPath() const { return std::string(shared.InstallPath) + "QuorvelLog.txt"; }
std::vector<std::string> FakeLibrary::LogLines() const { return os.Lines(LogPath()); }

bool FakeLibrary::LogHas(const std::string& text) const {
    auto it = os.files.find(LogPath());
    return it != os.files.end() && it->second.find(text) != std::string::npos;
}

void FakeLibrary::ClearLog() { os.files.erase(LogPath()); }

}  // namespace quorvel::testing
