// recordwriter.exe: another process with its hands on the library's shared
// record, as a hostile program of the same user could have.
//   recordwriter.exe rewrite FOLDER SECONDS   rewrites the paths (to FOLDER),
//       indices, counters, flags, lists, windows and messages of the record
//       every 20 ms for SECONDS (drag-to-scroll page window 0x51234)
//   recordwriter.exe dump                     prints the gesture flags
//   recordwriter.exe squat reserved|small SECONDS
//       takes the record's name before Quorvel does (with the descriptor
//       Quorvel itself gives it): a section reserved but not committed, or
//       one smaller than the record; holds it for SECONDS, prints "squatting"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/SharedState.h"
#include "hooklib/core/win32/RecordNamespace.h"

using quorvel::SharedState;

namespace {

uint32_t HandleOf(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

void Rewrite(SharedState& s, const char* folder, unsigned round) {
    std::snprintf(s.InstallPath, sizeof s.InstallPath, "%s\\", folder);
    std::snprintf(s.SetForegroundWindowPath, sizeof s.SetForegroundWindowPath, "%s\\SetForegroundWindow.exe", folder);
    std::memset(s.WindowsVersionText, 'W', sizeof s.WindowsVersionText);  // no terminator
    std::memset(s.IEVersionText, 'I', sizeof s.IEVersionText);
    const int32_t wild[] = {-1, 0x7FFFFFFF, static_cast<int32_t>(0x80000000), 100, 1440, -100000, 123456789};
    auto pick = [&](unsigned salt) { return wild[(round + salt) % (sizeof wild / sizeof wild[0])]; };
    s.MouseTraceIndex = pick(1);
    s.CurrentMinute = static_cast<uint32_t>(pick(2));
    s.PeriodStartMinute = static_cast<uint32_t>(pick(3));
    s.LastActionMinute = static_cast<uint32_t>(pick(4));
    s.DoubleClickTime = pick(5);
    s.DoubleClickWidth = pick(6);
    s.DoubleClickHeight = pick(7);
    s.ScreenWidth = pick(8) & 1 ? 0 : pick(8);
    s.ScreenHeight = pick(9);
    s.MBUTTON_DBCLICK_TIME_LIMIT = pick(10);
    s.LastTraceX = pick(11);
    s.LastTraceY = pick(12);
    s.RDragStartTime = static_cast<uint32_t>(pick(13));
    s.MButtonDownTime = static_cast<uint32_t>(pick(14));
    s.IERButtonDown = static_cast<uint8_t>(round & 1);
    s.MButtonDownPending = static_cast<uint8_t>(round & 1);
    s.ChordPending = static_cast<uint8_t>((round >> 1) & 1);
    for (int i = 0; i < quorvel::IE_WINDOW_TABLE_SIZE; ++i) s.IEWindowTable[i] = static_cast<uint32_t>(pick(i));
    for (auto& p : s.MouseTrace) p = quorvel::TracePoint{pick(16), pick(17), static_cast<uint32_t>(pick(18))};
    s.SharedInitState = static_cast<uint32_t>(pick(19));

    // Windows to post to: look-alikes of Quorvel's (another program's, title
    // and marker) or "Soak A"; messages 0xC0DE or WM_CLOSE. Then lists without
    // terminators, the full-screen flags, the monitor layout, the 64-bit block.
    s.AutoClickWindow = s.MainWindow = s.DragScrollTarget = s.UnreachableWindow =
        HandleOf(FindWindowA(nullptr, (round & 2) ? "Soak A" : "Quorvel"));
    s.TaskListWindow = HandleOf(FindWindowA(nullptr, (round & 2) ? "Soak A" : "Easy task switcher"));
    s.TaskListMessage = s.MainWindowMessage = s.DragScrollMessage = (round & 4) ? WM_CLOSE : 0xC0DE;
    s.OwnWindowMarker = quorvel::OWN_WINDOW_MARKER;
    s.DragScrollState = round % 3;  // idle, holding, scrolling
    s.DragScrollWindow = 0x51234;   // the page window: a log that shows it shows a post
    s.ChordReleaseMessage = WM_CLOSE;
    std::memset(s.ExcludedPrograms, (round & 1) ? 'x' : '\0', sizeof s.ExcludedPrograms);
    std::memset(s.BrowserPrograms, 'b', sizeof s.BrowserPrograms);
    s.ExclusionChange = s.BrowserProgramsChange = s.MonitorLayoutChange = round + 1;
    s.FullScreenPause = s.FullScreenNow = static_cast<uint32_t>(pick(22));
    s.MonitorCount = pick(24);
    for (auto& m : s.Monitors) m = quorvel::MonitorBox{pick(25), pick(26), pick(27), pick(28)};
    s.CallWndRetHook64 = s.MouseHook64 = s.GetMessageHook64 = static_cast<uint32_t>(pick(29));
    s.Hook64Active = round & 1;
    s.Hook32ThreadId = s.Hook64ThreadId = static_cast<uint32_t>(pick(30));
    s.UnreachableCount = round;
}

int Squat(const std::string& name, bool reserved, int seconds) {
    quorvel::RecordProtection protection;  // the very descriptor Quorvel gives it
    HANDLE section =
        CreateFileMappingA(INVALID_HANDLE_VALUE, protection.Attributes(), PAGE_READWRITE | (reserved ? SEC_RESERVE : 0),
                           0, reserved ? sizeof(SharedState) : 4096, name.c_str());
    if (!section || GetLastError() == ERROR_ALREADY_EXISTS) return 1;
    std::printf("squatting %s\n", reserved ? "reserved" : "small");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = quorvel::RecordObjectFullName(quorvel::SHARED_STATE_NAME.text);
    if (argc >= 4 && std::strcmp(argv[1], "squat") == 0) {
        return Squat(name, std::strcmp(argv[2], "reserved") == 0, std::atoi(argv[3]));
    }
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
    auto* s = mapping
                  ? static_cast<SharedState*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)))
                  : nullptr;
    if (!s) {
        std::printf("no record\n");
        return 1;
    }
    if (argc >= 4 && std::strcmp(argv[1], "rewrite") == 0) {
        DWORD end = GetTickCount() + static_cast<DWORD>(std::atoi(argv[3])) * 1000;
        unsigned rounds = 0;
        while (static_cast<int32_t>(end - GetTickCount()) > 0) {
            Rewrite(*s, argv[2], rounds++);
            Sleep(20);
        }
        s->SharedInitState = quorvel::SHARED_STATE_READY;
        s->DragScrollState = 0;
        std::printf("rewrites=%u\n", rounds);
    } else {
        std::printf("IERButtonDown=%d MButtonDownPending=%d ChordPending=%d ChordSecondUpPending=%d\n",
                    s->IERButtonDown, s->MButtonDownPending, s->ChordPending, s->ChordSecondUpPending);
    }
    std::fflush(stdout);
    return 0;
}
