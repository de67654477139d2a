// recordwriter.exe: another process with its hands on the library's shared
// record, as a hostile program of the same user could have.
//   recordwriter.exe rewrite FOLDER SECONDS   rewrites the paths (to FOLDER),
//       indices, counters and flags of the record every 20 ms for SECONDS
//   recordwriter.exe dump                     prints the gesture flags
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/SharedState.h"

using quorvel::SharedState;

namespace {

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
    s.TaskListWindow = s.MainWindow = s.AutoClickWindow = static_cast<uint32_t>(pick(15));
    s.TaskListMessage = s.MainWindowMessage = WM_CLOSE;
    for (int i = 0; i < quorvel::IE_WINDOW_TABLE_SIZE; ++i) s.IEWindowTable[i] = static_cast<uint32_t>(pick(i));
    for (auto& p : s.MouseTrace) p = quorvel::TracePoint{pick(16), pick(17), static_cast<uint32_t>(pick(18))};
    s.SharedInitState = static_cast<uint32_t>(pick(19));
}

}  // namespace

int main(int argc, char** argv) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, quorvel::SHARED_STATE_NAME.text);
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
        std::printf("rewrites=%u\n", rounds);
    } else {
        std::printf("IERButtonDown=%d MButtonDownPending=%d ChordPending=%d ChordSecondUpPending=%d\n",
                    s->IERButtonDown, s->MButtonDownPending, s->ChordPending, s->ChordSecondUpPending);
    }
    std::fflush(stdout);
    return 0;
}
