// The hook gate: per-program exclusions and the quiet times (pause,
// Windows saying a full-screen program is in front).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/ProcessGate.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;
using testing::FakeWindow;

constexpr uint32_t CAPTION = 0x00C00000;  // WS_CAPTION
constexpr uint32_t POPUP = 0x80000000;    // WS_POPUP

std::string Names(std::initializer_list<const char*> names) {
    std::string list;
    for (const char* n : names) list.append(n).push_back('\0');
    return list + '\0';
}

void SetExecutable(FakeLibrary& lib, const std::string& path) { lib.os.moduleNames[0] = path; }

// ---------------------------------------------------------------- exclusion decision

TEST(ProcessGate, ExclusionDecisionByFileName) {
    struct Case {
        std::string list;
        const char* path;
        bool excluded;
    } cases[] = {
        {Names({"mspaint.exe"}), "C:\\Windows\\System32\\MSPaint.EXE", true},  // folders and case
        {Names({"MSPAINT.EXE"}), "mspaint.exe", true},                         // a bare name
        {Names({"game.exe"}), "D:/Games/Big Game/Game.exe", true},             // other separators
        {Names({"notepad.exe", "game.exe"}), "C:\\game.exe", true},            // not the first name
        {Names({"paint.exe"}), "C:\\Windows\\mspaint.exe", false},             // a tail is no name
        {Names({"mspaint"}), "C:\\Windows\\mspaint.exe", false},
        {Names({"mspaint.exe"}), "C:\\mspaint.exe\\other.exe", false},    // a folder is no name
        {std::string("a.exe\0\0game.exe\0", 16), "C:\\game.exe", false},  // an empty name ends the list
        {Names({"game.exe"}), "", false},
        {Names({}), "C:\\game.exe", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsExcludedProgram(c.list.data(), c.list.size(), c.path), c.excluded) << c.path;
    }
    // A name cut by the end of the buffer counts for nothing.
    const char cut[] = {'a', '.', 'e', 'x', 'e', '\0', 'g', 'a', 'm', 'e', '.', 'e', 'x', 'e'};
    EXPECT_FALSE(IsExcludedProgram(cut, sizeof cut, "game.exe"));
    EXPECT_TRUE(IsExcludedProgram(cut, sizeof cut, "A.EXE"));
}

TEST(ProcessGate, ExclusionIsDecidedOncePerProcessAndAgainAfterEachChange) {
    FakeLibrary lib;
    SetExecutable(lib, "C:\\Program Files\\Paint\\MSPAINT.exe");
    EXPECT_FALSE(ProcessExcluded(lib.ctx));

    const std::string list = Names({"mspaint.exe"});
    SetExcludedPrograms(lib.ctx, list.data(), static_cast<uint32_t>(list.size()));
    EXPECT_EQ(lib.shared.ExclusionChange, 1u);
    EXPECT_TRUE(ProcessExcluded(lib.ctx));

    // The decision is kept until the counter moves: the name is not read again.
    SetExecutable(lib, "C:\\other.exe");
    EXPECT_TRUE(ProcessExcluded(lib.ctx));
    SetExcludedPrograms(lib.ctx, list.data(), static_cast<uint32_t>(list.size()));
    EXPECT_FALSE(ProcessExcluded(lib.ctx));

    // Another process (its own state) decides for itself over the same record.
    ProcessState other;
    Context otherCtx{lib.os, lib.shared, other};
    SetExecutable(lib, "D:\\mspaint.exe");
    EXPECT_TRUE(ProcessExcluded(otherCtx));
}

TEST(ProcessGate, HandedOverListsAreCopiedWithinBounds) {
    struct Case {
        std::string given;
        uint32_t size;
        std::vector<std::string> stored;
    } cases[] = {
        {Names({"a.exe", "b.exe"}), 0, {}},
        {Names({"a.exe", "b.exe"}), 14, {"a.exe", "b.exe"}},
        {Names({"a.exe", "b.exe"}), 9, {"a.exe"}},  // b.exe has no end inside the size
        {Names({std::string(600, 'x').c_str(), std::string(500, 'y').c_str(), "c.exe"}),
         1200,
         {std::string(600, 'x')}},  // the second name would fill the last byte
    };
    for (const Case& c : cases) {
        FakeLibrary lib;
        std::memset(lib.shared.ExcludedPrograms, 'z', sizeof lib.shared.ExcludedPrograms);
        SetExcludedPrograms(lib.ctx, c.given.data(), c.size);
        std::vector<std::string> stored;
        for (const char* p = lib.shared.ExcludedPrograms; *p; p += stored.back().size() + 1) stored.emplace_back(p);
        EXPECT_EQ(stored, c.stored) << c.size;
        EXPECT_EQ(lib.shared.ExcludedPrograms[sizeof lib.shared.ExcludedPrograms - 1], '\0');
    }
    FakeLibrary lib;
    SetExcludedPrograms(lib.ctx, nullptr, 50);
    EXPECT_EQ(lib.shared.ExcludedPrograms[0], '\0');
    EXPECT_EQ(lib.shared.ExclusionChange, 1u);
    // The browser list is taken the same way; the monitor layout keeps at
    // most what the record holds.
    const std::string browsers = Names({"msedge.exe", "chrome.exe"});
    SetBrowserPrograms(lib.ctx, browsers.data(), 11);
    EXPECT_STREQ(lib.shared.BrowserPrograms, "msedge.exe");
    EXPECT_EQ(lib.shared.BrowserPrograms[11], '\0');
    EXPECT_EQ(lib.shared.BrowserProgramsChange, 1u);
    std::vector<int32_t> rects(4 * (MAX_MONITORS + 2), 7);
    rects[0] = -1920;
    SetMonitorLayout(lib.ctx, rects.data(), MAX_MONITORS + 2);
    EXPECT_EQ(lib.shared.MonitorCount, MAX_MONITORS);
    EXPECT_EQ(lib.shared.Monitors[0].left, -1920);
    SetMonitorLayout(lib.ctx, nullptr, 3);
    EXPECT_EQ(lib.shared.MonitorCount, 0);
    EXPECT_EQ(lib.shared.MonitorLayoutChange, 2u);
}

TEST(ProcessGate, TheInstallingProcessDecidesForTheProgramOwningTheWindow) {
    FakeLibrary lib;
    SetExecutable(lib, "C:\\Quorvel\\Quorvel.exe");
    lib.os.processId = 10;
    lib.os.processImages = {{20, "C:\\Program Files\\CAD\\cad64.exe"}, {30, "C:\\Windows\\notepad.exe"}};
    auto window = [&](uint32_t processId) {
        FakeWindow w;
        w.processId = processId;
        return lib.os.AddWindow(w);
    };
    const Hwnd own = window(10), cad = window(20), notepad = window(30), unreadable = window(40);
    const std::string list = Names({"CAD64.EXE", "quorvel.exe"});
    SetExcludedPrograms(lib.ctx, list.data(), static_cast<uint32_t>(list.size()));

    // Any other process decides by its own name, whatever the window.
    EXPECT_TRUE(WindowExcluded(lib.ctx, notepad));
    lib.process.hooksInstalledHere = true;
    struct Case {
        Hwnd window;
        bool excluded;
    } cases[] = {{own, true}, {cad, true}, {notepad, false}, {unreadable, false}, {0, true}, {0x7777, true}};
    for (const Case& c : cases) EXPECT_EQ(WindowExcluded(lib.ctx, c.window), c.excluded) << c.window;

    // Answers for other programs are kept for a while, then asked again,
    // and at once after a change of the list.
    const int queries = lib.os.imageQueries;
    EXPECT_TRUE(WindowExcluded(lib.ctx, cad));
    EXPECT_EQ(lib.os.imageQueries, queries);
    lib.os.tick += OTHER_PROGRAM_DECISION_MS;
    EXPECT_TRUE(WindowExcluded(lib.ctx, cad));
    EXPECT_EQ(lib.os.imageQueries, queries + 1);
    SetExcludedPrograms(lib.ctx, nullptr, 0);
    EXPECT_FALSE(WindowExcluded(lib.ctx, cad));
}

// ---------------------------------------------------------------- full-screen pause

class FullScreen : public ::testing::Test {
protected:
    Hwnd Add(Rect rect, uint32_t style, bool zoomed = false) {
        FakeWindow w;
        w.style = style;
        w.rect = rect;
        w.zoomed = zoomed;
        return lib.os.AddWindow(w);
    }
    FakeLibrary lib;
};

// Whatever window is in front, Windows' word alone decides: a caption-less
// maximized window under an auto-hiding taskbar, which the old rule of the
// window's rectangle took for full screen, pauses nothing; only 1 is a yes.
TEST_F(FullScreen, WindowsWordDecidesNotTheWindowInFront) {
    for (Hwnd front : {Add({0, 0, 1024, 768}, POPUP, true), Add({0, 0, 1024, 768}, POPUP), Add({9, 9, 99, 99}, 0)}) {
        lib.os.foreground = front;
        for (uint32_t now : {0u, 1u, 7u}) {
            lib.shared.FullScreenNow = now;
            EXPECT_EQ(HookMayAct(lib.ctx, HookKind::Mouse, win::WM_MBUTTONUP, front), now != 1) << front << " " << now;
        }
    }
}

// ---------------------------------------------------------------- the gate

TEST_F(FullScreen, WhatEachHookMayDo) {
    const Hwnd editor = Add(Rect{100, 100, 600, 500}, CAPTION);
    SetExecutable(lib, "C:\\Apps\\app.exe");
    struct Case {
        const char* what;
        bool excluded, paused, preference, fullScreenNow;
        HookKind hook;
        uint32_t message;
        bool mayAct;
    } cases[] = {
        {"nothing applies", false, false, true, false, HookKind::Mouse, win::WM_MBUTTONUP, true},
        {"nothing applies", false, false, true, false, HookKind::GetMessage, win::WM_MOUSEWHEEL, true},
        {"excluded", true, false, true, false, HookKind::Mouse, win::WM_MBUTTONUP, false},
        {"excluded", true, false, true, false, HookKind::CallWndRet, win::WM_NCHITTEST, false},
        {"excluded: not even counted", true, false, true, false, HookKind::GetMessage, win::WM_KEYUP, false},
        {"full screen", false, false, true, true, HookKind::Mouse, win::WM_MBUTTONUP, false},
        {"full screen", false, false, true, true, HookKind::CallWndRet, win::WM_NCPAINT, false},
        {"full screen", false, false, true, true, HookKind::GetMessage, win::WM_CHAR, false},
        {"full screen", false, false, true, true, HookKind::GetMessage, 0x10000 | win::WM_MOUSEWHEEL, false},
        {"full screen: still counted", false, false, true, true, HookKind::GetMessage, win::WM_KEYUP, true},
        {"full screen: still counted", false, false, true, true, HookKind::GetMessage, win::WM_LBUTTONUP, true},
        {"full screen, preference off", false, false, false, true, HookKind::Mouse, win::WM_MBUTTONUP, true},
        {"paused", false, true, true, false, HookKind::GetMessage, win::WM_CHAR, false},
        {"paused", false, true, true, false, HookKind::GetMessage, win::WM_MOUSEWHEEL, false},
        {"paused: still counted", false, true, true, false, HookKind::GetMessage, win::WM_RBUTTONUP, true},
    };
    for (const Case& c : cases) {
        ProcessState fresh;
        Context ctx{lib.os, lib.shared, fresh};
        const std::string list = c.excluded ? Names({"APP.EXE"}) : Names({});
        SetExcludedPrograms(ctx, list.data(), static_cast<uint32_t>(list.size()));
        lib.shared.Paused = c.paused ? 1 : 0;
        SetFullScreenPause(ctx, c.preference);
        SetFullScreenNow(ctx, c.fullScreenNow);
        EXPECT_EQ(HookMayAct(ctx, c.hook, c.message, editor), c.mayAct) << c.what << " " << c.message;
    }
}

}  // namespace
}  // namespace quorvel
