// SharedState: the one record of cross-process state of the hook library.
// Every process that maps the library sees the same copy (a named
// shared-memory mapping, see win32/SharedMemory.cpp). The record is made of
// fixed-width fields only, with explicit padding, so its layout is the same
// in 32-bit and 64-bit builds; SharedStateLayout.h checks it field by field.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Messages.h"
#include "ProgramList.h"

namespace quorvel {

using Flag = uint8_t;  // one byte, 0 or 1

struct TracePoint {
    int32_t x;
    int32_t y;
    uint32_t time;
};
// x and y of a trace slot no point was stored in yet. Stored positions come
// from a message's signed 16-bit halves, so they are never this value (any
// of them may be negative: monitors left of or above the primary one).
constexpr int32_t TRACE_SLOT_EMPTY = INT32_MIN;

struct MonitorBox {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct ActivityMinute {
    uint16_t Keys;
    uint16_t Clicks;
    uint16_t MouseDistance;
};

constexpr int32_t MAX_MOUSE_TRACE_NUM = 100;  // points in the pointer trace ring
constexpr int ACTIVITY_MINUTES = 1440;
constexpr int MAX_MONITORS = 16;  // one entry per minute of a day, used as a ring
constexpr int IE_WINDOW_TABLE_SIZE = 100;
constexpr int INSTALL_PATH_SIZE = 304;  // at most 300 characters used
constexpr int INSTALL_PATH_MAX_CHARS = 300;
constexpr int SET_FOREGROUND_PATH_SIZE = 304;
constexpr int WINDOWS_VERSION_TEXT_SIZE = 204;
constexpr int IE_VERSION_TEXT_SIZE = 104;
constexpr int EXCLUDED_PROGRAMS_SIZE = static_cast<int>(PROGRAM_LIST_ROOM);

struct SharedState {
    uint32_t Setting;
    Flag RButtonDownInIE;
    Flag RButtonDownInFirefox;
    Flag RButtonDownInChromium;  // the right press was over a Chromium page of a browser program
    uint8_t pad0[1];
    uint32_t StopHookFlag;
    Flag IsNTPlatform;
    Flag LButtonHeld;
    Flag RButtonHeld;
    Flag ChordPending;
    Flag ChordSecondUpPending;
    uint8_t pad1[3];
    int32_t VersionMajor;
    int32_t VersionMinor;
    int32_t VersionBuild;
    Flag CenterNextDialogOnCursor;
    Flag Paused;
    Flag FirstInitPending;
    uint8_t pad2[1];
    uint32_t PromptRestWindow;
    int32_t CyHScroll;
    int32_t CxHScroll;
    int32_t CyVScroll;
    int32_t CxVScroll;
    ActivityMinute ActivityTable[ACTIVITY_MINUTES];
    uint32_t PeriodStartMinute;
    uint32_t CurrentMinute;
    uint32_t LastActionMinute;
    uint32_t LastClickOrKeyTime;
    uint32_t SmartScrollCursorMessage;
    char InstallPath[INSTALL_PATH_SIZE];
    char SetForegroundWindowPath[SET_FOREGROUND_PATH_SIZE];
    char WindowsVersionText[WINDOWS_VERSION_TEXT_SIZE];
    char IEVersionText[IE_VERSION_TEXT_SIZE];
    uint16_t LanguageId;
    uint8_t pad3[2];
    uint32_t LastRButtonDownWindow;
    uint32_t PrevRButtonDownWindow;
    uint32_t LastRButtonUpTime;
    int32_t LastRButtonUpX;
    int32_t LastRButtonUpY;
    uint32_t TaskListWindow;
    uint32_t TaskListMessage;
    uint32_t AutoClickWindow;
    uint32_t AutoClickMessage;
    uint32_t MainWindow;
    uint32_t OwnWindowMarker;
    uint32_t MainWindowMessage;
    uint32_t CallWndRetHook;
    uint32_t MouseHook;
    uint32_t GetMessageHook;
    int32_t DoubleClickWidth;
    int32_t DoubleClickHeight;
    int32_t DoubleClickTime;
    int32_t MBUTTON_DBCLICK_TIME_LIMIT;
    int32_t ScreenWidth;
    int32_t ScreenHeight;
    int32_t LastTraceX;
    int32_t LastTraceY;
    int32_t MouseTraceIndex;
    uint32_t LastCircleTime;
    int32_t RDragStartX;
    int32_t RDragStartY;
    Flag IERButtonDown;
    uint8_t pad4[3];
    uint32_t RDragStartTime;
    uint32_t LastShowDesktopTime;
    uint32_t MButtonDownTime;
    int32_t MButtonDownX;
    int32_t MButtonDownY;
    Flag MButtonDownPending;
    uint8_t pad5[3];
    TracePoint MouseTrace[MAX_MOUSE_TRACE_NUM];
    uint32_t IEWindowTable[IE_WINDOW_TABLE_SIZE];

    // ---- Fields added after the original record. Each block belongs to one
    // ---- concern; a block's spare words are taken for new fields of that
    // ---- concern so the offsets of the other blocks never move.

    // Start-up and fault containment.
    uint32_t SharedInitState;      // SHARED_STATE_FRESH / _INITIALISING / _READY, changed interlocked only
    uint32_t SharedInitStartTime;  // tick count when the initialiser began
    uint32_t SpareSafety[14];

    // The 64-bit library and its helper program. Each library keeps its own
    // hook handles: the 32-bit one the original fields above, the 64-bit one
    // these.
    uint32_t CallWndRetHook64;
    uint32_t MouseHook64;
    uint32_t GetMessageHook64;
    uint32_t Hook64Active;       // 1 while the 64-bit hooks are installed
    uint32_t Hook32ThreadId;     // thread that installed the 32-bit hooks
    uint32_t Hook64ThreadId;     // thread that installed the 64-bit hooks
    uint32_t UnreachableWindow;  // last root window a gesture met in a program Quorvel cannot hook
    uint32_t UnreachableCount;   // bumped each time that happens
    uint32_t SpareArch[8];

    // Task switcher trigger.
    uint32_t SpareSwitcher[4];

    // Browser drag-to-scroll sender: a middle press over a page arms it, a
    // move after the hold starts it, the release ends it.
    uint32_t DragScrollState;    // DRAG_SCROLL_IDLE, _HOLDING or _SCROLLING
    uint32_t DragScrollWindow;   // the page's content window
    uint32_t DragScrollTarget;   // the main window, checked when armed
    uint32_t DragScrollMessage;  // its step message, checked when armed
    int32_t DragScrollLastX;     // where the last step was sent from
    int32_t DragScrollLastY;
    uint32_t SpareDragScroll[10];

    // Gesture repairs.
    uint32_t ChordReleaseMessage;  // release to post at a chord's end for the press the program saw; 0: none
    uint32_t SpareGestures[3];

    // Everyday control: pause, exclusions, full-screen pause.
    uint32_t ExclusionChange;                       // bumped at every change of ExcludedPrograms
    char ExcludedPrograms[EXCLUDED_PROGRAMS_SIZE];  // file names, each zero-terminated; an empty name ends the list
    uint32_t FullScreenPause;                       // 1: the hooks stay quiet over a full-screen foreground window
    uint32_t SpareControl[15];

    // Browsers: the programs whose pages get the browser gestures, handed
    // over by Quorvel.exe like the exclusions.
    uint32_t BrowserProgramsChange;           // bumped at every change of BrowserPrograms
    char BrowserPrograms[PROGRAM_LIST_ROOM];  // file names, each zero-terminated; an empty name ends the list

    // The desktop as Quorvel.exe sees it, mirrored here so that the hooks
    // never ask Windows on their paths.
    uint32_t MonitorLayoutChange;       // bumped after each new layout
    int32_t MonitorCount;               // monitors in Monitors, at most MAX_MONITORS
    MonitorBox Monitors[MAX_MONITORS];  // whole monitor rectangles, primary first
    uint32_t FullScreenNow;             // 1 while Windows says the user is busy, in full screen or presenting
    uint32_t SpareDesktop[15];
};

// SharedInitState: a new mapping is zero-filled (fresh); the process that
// moves it to "initialising" with a compare-exchange writes the initial
// values and then marks it ready. Nobody waits on another process for it.
constexpr uint32_t SHARED_STATE_FRESH = 0;
constexpr uint32_t SHARED_STATE_INITIALISING = 1;
constexpr uint32_t SHARED_STATE_READY = 2;

// The name of the record's mapping: the prefix and the record's size in
// decimal, so that builds of different layouts never share a record.
struct SharedStateName {
    char text[sizeof SHARED_STATE_MAPPING_PREFIX + 12] = {};
};
constexpr SharedStateName MakeSharedStateName() {
    SharedStateName name;
    size_t at = 0;
    for (; SHARED_STATE_MAPPING_PREFIX[at] != '\0'; ++at) name.text[at] = SHARED_STATE_MAPPING_PREFIX[at];
    char digits[12] = {};
    size_t count = 0;
    for (size_t size = sizeof(SharedState); size > 0 || count == 0; size /= 10) {
        digits[count++] = static_cast<char>('0' + size % 10);
    }
    while (count > 0) name.text[at++] = digits[--count];
    return name;
}
constexpr SharedStateName SHARED_STATE_NAME = MakeSharedStateName();

}  // namespace quorvel

#include "SharedStateLayout.h"
