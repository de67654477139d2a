#include "Browsers.h"

#include <atomic>
#include <cstring>

#include "DebugLog.h"
#include "ProcessGate.h"
#include "WindowClassification.h"
#include "common/ProgramList.h"
#include "common/Text.h"

namespace quorvel {
namespace {

using ClassName = char[MAX_WINDOW_CLASSNAME_LEN];
constexpr uint32_t EXECUTABLE_PATH_BUFFER = 520;

void ReadClass(Windows& windows, Hwnd window, ClassName& name) {
    if (!window || windows.GetClassName(window, name, sizeof name) <= 0) name[0] = '\0';
}

// A window and its parent, each read once however many tests look at them.
struct Candidate {
    Windows& windows;
    Hwnd window;
    ClassName windowClass;
    Hwnd parent = 0;
    ClassName parentClass;
    bool parentRead = false;

    Candidate(Windows& w, Hwnd h) : windows(w), window(h) { ReadClass(windows, window, windowClass); }
    Hwnd Parent() {
        if (!parentRead) {
            parentRead = true;
            parent = windows.GetParent(window);
            ReadClass(windows, parent, parentClass);
        }
        return parent;
    }
};

bool ClassIs(Windows& windows, Hwnd window, const char* className) {
    ClassName name;
    ReadClass(windows, window, name);
    return std::strcmp(name, className) == 0;
}

// The visible Chromium content window among the root's children that holds
// the point: where Chromium takes the mouse on its root window itself.
Hwnd ChromiumContentAt(Windows& windows, Hwnd root, Point pt) {
    Hwnd child = windows.GetFirstChild(root);
    for (int seen = 0; child && seen < MAX_CHROMIUM_CHILDREN; ++seen, child = windows.GetNextSibling(child)) {
        Rect rect;
        if (ClassIs(windows, child, CHROMIUM_CONTENT_CLASS) && windows.IsWindowVisible(child) &&
            windows.GetWindowRect(child, &rect) && rect.Contains(pt)) {
            return child;
        }
    }
    return 0;
}

// A Firefox or Chromium page of a browser program under the window. The
// program is asked before the root's children are looked at: in the other
// programs of the same engines that costs nothing more.
BrowserFamily EnginePage(Context& ctx, Candidate& c, Point pt) {
    BrowserFamily family = ContentClassFamily(c.windowClass);
    Hwnd content = c.window;
    if (family == BROWSER_NONE && c.Parent()) {
        family = ContentClassFamily(c.parentClass);
        content = c.parent;
    }
    const bool chromiumRootItself = family == BROWSER_NONE && std::strcmp(c.windowClass, CHROMIUM_ROOT_CLASS) == 0;
    if (family != BROWSER_FIREFOX && family != BROWSER_CHROMIUM && !chromiumRootItself) return BROWSER_NONE;
    if (!BrowserProgramWindow(ctx, c.window)) return BROWSER_NONE;
    if (chromiumRootItself) {
        content = ChromiumContentAt(ctx.windows, c.window, pt);
        if (!content) return BROWSER_NONE;
        family = BROWSER_CHROMIUM;
    }
    const bool chromiumRoot =
        family == BROWSER_CHROMIUM && ClassIs(ctx.windows, GetRootWindow(ctx, content, 0), CHROMIUM_ROOT_CLASS);
    return IsBrowserPage(family, true, chromiumRoot) ? family : BROWSER_NONE;
}

bool DecideFromPath(const SharedState& s, char* path, uint32_t length) {
    path[length < EXECUTABLE_PATH_BUFFER ? length : EXECUTABLE_PATH_BUFFER - 1] = '\0';
    return IsBrowserProgram(s, path);
}

}  // namespace

bool IsBrowserProgram(const SharedState& s, const char* executablePath) {
    if (!executablePath) return false;
    const char* name = FileNamePart(executablePath);
    if (s.BrowserProgramsChange == 0) {
        return ProgramListContains(DEFAULT_BROWSER_PROGRAMS, DEFAULT_BROWSER_PROGRAMS_SIZE, name);
    }
    return ProgramListContains(s.BrowserPrograms, sizeof s.BrowserPrograms, name);
}

bool BrowserProgramWindow(Context& ctx, Hwnd window) {
    ProcessState& p = ctx.process;
    const uint32_t change = ctx.shared.BrowserProgramsChange;
    const uint32_t processId = p.hooksInstalledHere && window ? ctx.processes.GetWindowProcessId(window) : 0;
    if (!processId || processId == ctx.clock.GetCurrentProcessId() || !p.lock) {
        if (p.browserDecidedFor.load(std::memory_order_acquire) == change + 1) {
            return p.browserProgram.load(std::memory_order_relaxed);
        }
        // The list is read after the counter: a change made meanwhile moves
        // the counter again, and the next press decides anew.
        std::atomic_thread_fence(std::memory_order_acquire);
        char path[EXECUTABLE_PATH_BUFFER] = {};
        const bool browser = DecideFromPath(ctx.shared, path, ctx.system.GetModuleFileName(0, path, sizeof path));
        p.browserProgram.store(browser, std::memory_order_relaxed);
        p.browserDecidedFor.store(change + 1, std::memory_order_release);
        return browser;
    }

    const uint32_t now = ctx.clock.GetTickCount();
    LockHolder hold(*p.lock);
    bool browser = false;
    if (p.otherBrowsers.Find(processId, change + 1, now, OTHER_PROGRAM_DECISION_MS, &browser)) return browser;
    std::atomic_thread_fence(std::memory_order_acquire);
    char path[EXECUTABLE_PATH_BUFFER] = {};
    return p.otherBrowsers.Keep(
        processId, change + 1, now,
        DecideFromPath(ctx.shared, path, ctx.processes.GetProcessImageName(processId, path, sizeof path)));
}

BrowserFamily RightPressPage(Context& ctx, Hwnd window, Point pt) {
    Candidate c(ctx.windows, window);
    if (IsIEContentClass(ctx, window, c.windowClass) ||
        (c.Parent() && IsIEContentClass(ctx, c.parent, c.parentClass))) {
        return BROWSER_INTERNET_EXPLORER;
    }
    if (IsFirefoxContentClass(ctx, window, c.windowClass) ||
        (c.Parent() && IsFirefoxContentClass(ctx, c.parent, c.parentClass))) {
        return BROWSER_FIREFOX;  // in any program, as ever
    }
    const BrowserFamily family = EnginePage(ctx, c, pt);
    if (family == BROWSER_CHROMIUM) WriteLog(ctx, "Window is chromium content window of a browser");
    return family;
}

BrowserFamily DragScrollPage(Context& ctx, Hwnd window, Point pt) {
    Candidate c(ctx.windows, window);
    if (std::strcmp(c.windowClass, IE_SERVER_CLASS) == 0) return BROWSER_INTERNET_EXPLORER;
    return EnginePage(ctx, c, pt);
}

}  // namespace quorvel
