#include "WindowClassification.h"

#include <cstring>

#include "DebugLog.h"
#include "common/Messages.h"
#include "WinConstants.h"

namespace quorvel {
namespace {

using ClassName = char[MAX_WINDOW_CLASSNAME_LEN];
using WindowText = char[MAX_WINDOW_TEXT_LEN];

// strcmp reduced to -1, 0 or 1, so the log reads the same everywhere.
int CompareText(const char* a, const char* b) {
    int r = std::strcmp(a, b);
    return (r > 0) - (r < 0);
}

bool EqualIgnoringCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        char x = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        char y = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (x != y) return false;
        if (x == '\0') return true;
    }
}

// Logs the content test of a window against one class and returns whether
// its class is that class.
void LogContentTest(Context& ctx, Hwnd window, const char* className, const char* compareWith) {
    WriteLogF(ctx, "hwnd: %d, rootwnd: %d, classname: %s, compareresult: %d", static_cast<int>(window),
              static_cast<int>(GetRootWindow(ctx, window, 1)), className, CompareText(className, compareWith));
}

bool IsOwnWindowWithTitle(Context& ctx, Hwnd window, const char* title) {
    WindowText text;
    if (ctx.windows.GetWindowText(window, text, sizeof text) <= 0 || text[0] == '\0') return false;
    return std::strcmp(text, title) == 0 && ctx.windows.GetUserData(window) == ctx.shared.OwnWindowMarker;
}

bool IsDesktopClass(const char* className) {
    for (const char* desktop : DESKTOP_CLASSES) {
        if (std::strcmp(className, desktop) == 0) return true;
    }
    return false;
}

template <size_t N>
bool ClassIsOneOf(Context& ctx, Hwnd window, const char* const (&classes)[N]) {
    ClassName className;
    if (ctx.windows.GetClassName(window, className, sizeof className) <= 0) return false;
    for (const char* one : classes) {
        if (std::strcmp(className, one) == 0) return true;
    }
    return false;
}

// Whether one of the taskbar's own windows of another part lies at the point.
bool OtherPartAt(Context& ctx, Hwnd taskbar, Point point) {
    int seen = 0;
    for (Hwnd child = ctx.windows.GetFirstChild(taskbar); child && seen < MAX_TASKBAR_CHILDREN;
         child = ctx.windows.GetNextSibling(child), ++seen) {
        Rect rect;
        if (ClassIsOneOf(ctx, child, TASKBAR_OTHER_PARTS) && ctx.windows.GetWindowRect(child, &rect) &&
            rect.Contains(point)) {
            return true;
        }
    }
    return false;
}

struct CloseSearch {
    Context* ctx;
    Hwnd window;
    bool found;
};

// One step of the walk over the top-level windows; false stops it.
bool VisitTopLevelWindow(Hwnd candidate, void* context) {
    CloseSearch& search = *static_cast<CloseSearch*>(context);
    Context& ctx = *search.ctx;
    if (!ctx.windows.IsWindowVisible(candidate)) return true;
    WindowText title;
    if (ctx.windows.GetWindowText(candidate, title, sizeof title) <= 0 || title[0] == '\0') return true;
    if (std::strcmp(title, DESKTOP_TITLE) == 0) return true;
    Rect rect;
    if (!ctx.windows.GetWindowRect(candidate, &rect)) return true;  // vanished meanwhile
    if (rect.Width() == 0 || rect.Height() == 0) {
        WriteLogF(ctx, "mian ji wei 0: %x", candidate);
        return true;
    }
    WriteLogF(ctx, "Enum window: %x", candidate);
    if (candidate == search.window || GetRootWindow(ctx, candidate, 1) == search.window) {
        search.found = true;
        return false;
    }
    return true;
}

}  // namespace

int IfDialogBoxWindow(Context& ctx, Hwnd window) {
    if (!window) return 0;
    uint32_t style = ctx.windows.GetStyle(window);  // 0 for a vanished window: no dialog frame
    if (style & win::WS_CHILD) return 0;
    if (!(style & win::WS_DLGFRAME)) return 0;
    if (style & win::WS_MINIMIZEBOX) return 0;
    if (style & win::WS_DISABLED) return 0;
    if (!ctx.windows.GetParent(window) && !ctx.windows.GetOwner(window)) return 0;
    if (window == ctx.shared.PromptRestWindow) return 0;
    return 1;
}

Hwnd GetRootWindow(Context& ctx, Hwnd window, int refuseDialogs) {
    if (!window || !ctx.windows.IsWindow(window)) return 0;
    bool refuse = refuseDialogs == 1;
    if (refuse && IfDialogBoxWindow(ctx, window)) return 0;
    // Owners can be set to anything, a loop included: a chain longer than
    // any real one has no top.
    for (int above = 0; above <= MAX_ROOT_CHAIN; ++above) {
        Hwnd parent = ctx.windows.GetParent(window);
        if (!parent) {
            // The chain may have been torn down while we walked it.
            return ctx.windows.IsWindow(window) ? window : 0;
        }
        window = parent;
        if (refuse && IfDialogBoxWindow(ctx, window)) return 0;
    }
    return 0;
}

bool IsIEContentWindow(Context& ctx, Hwnd window) {
    ClassName className;
    if (ctx.windows.GetClassName(window, className, sizeof className) <= 0) className[0] = '\0';
    return IsIEContentClass(ctx, window, className);
}

bool IsIEContentClass(Context& ctx, Hwnd window, const char* className) {
    LogContentTest(ctx, window, className, IE_SERVER_CLASS);
    if (std::strcmp(className, IE_SERVER_CLASS) == 0 || std::strcmp(className, IE_DOC_VIEW_CLASS) == 0) {
        WriteLog(ctx, "Window is IE content window");
        return true;
    }
    return false;
}

bool IsFirefoxContentWindow(Context& ctx, Hwnd window) {
    ClassName className;
    if (ctx.windows.GetClassName(window, className, sizeof className) <= 0) className[0] = '\0';
    return IsFirefoxContentClass(ctx, window, className);
}

bool IsFirefoxContentClass(Context& ctx, Hwnd window, const char* className) {
    LogContentTest(ctx, window, className, FIREFOX_CONTENT_CLASS);
    if (std::strcmp(className, FIREFOX_CONTENT_CLASS) == 0) {
        WriteLog(ctx, "Window is firefox content window");
        return true;
    }
    return false;
}

bool CanSizeWindow(Context& ctx, Hwnd window) {
    if (!window || !ctx.windows.IsWindow(window)) return false;
    if (window == ctx.windows.FindWindow(TASKBAR_CLASS, nullptr)) return false;
    Rect rect;
    if (!ctx.windows.GetWindowRect(window, &rect)) return false;
    if (rect.Width() == 0 || rect.Height() == 0) return false;
    ClassName className;
    if (ctx.windows.GetClassName(window, className, sizeof className) <= 0) className[0] = '\0';
    if (IsDesktopClass(className) && rect.left == 0 && rect.top == 0 && rect.right == ctx.shared.ScreenWidth &&
        rect.bottom == ctx.shared.ScreenHeight) {
        return false;
    }
    return true;
}

TaskbarPart TaskbarPartAt(Context& ctx, Hwnd under, Point point) {
    const Hwnd root = under ? GetRootWindow(ctx, under, 0) : 0;
    if (!root || !ClassIsOneOf(ctx, root, TASKBAR_CLASSES)) return TaskbarPart::None;
    bool wholeBar = false;
    int depth = 0;
    for (Hwnd w = under; w && w != root && depth < MAX_ROOT_CHAIN; w = ctx.windows.GetParent(w), ++depth) {
        if (ClassIsOneOf(ctx, w, TASKBAR_OTHER_PARTS)) return TaskbarPart::Other;
        if (ClassIsOneOf(ctx, w, TASKBAR_WHOLE_BAR_CLASSES)) wholeBar = true;
    }
    if (wholeBar && OtherPartAt(ctx, root, point)) return TaskbarPart::Other;
    return TaskbarPart::TaskButtons;
}

bool IsOwnTaskSwitcherWindow(Context& ctx, Hwnd window) { return IsOwnWindowWithTitle(ctx, window, TASK_LIST_CAPTION); }

bool IsOwnMainWindow(Context& ctx, Hwnd window) { return IsOwnWindowWithTitle(ctx, window, MAIN_WINDOW_CAPTION); }

bool CanCloseWindow(Context& ctx, Hwnd window) {
    if (!window || !ctx.windows.IsWindow(window)) return false;
    if (IsOwnTaskSwitcherWindow(ctx, window) || IsOwnMainWindow(ctx, window)) return false;
    ClassName className;
    if (ctx.windows.GetClassName(window, className, sizeof className) <= 0) className[0] = '\0';
    if (EqualIgnoringCase(className, CONSOLE_CLASS)) return false;
    CloseSearch search{&ctx, window, false};
    ctx.windows.EnumWindows(&VisitTopLevelWindow, &search);
    return search.found;
}

bool IsNotepadOrWordProcess(const char* commandLine) {
    static const char* const PROGRAMS[] = {"notepad.exe", "winword.exe"};
    if (!commandLine) return false;
    // A case-insensitive search in place: no lower-case copy to allocate.
    for (const char* p = commandLine; *p; ++p) {
        for (const char* program : PROGRAMS) {
            size_t i = 0;
            while (program[i] && p[i]) {
                char c = (p[i] >= 'A' && p[i] <= 'Z') ? static_cast<char>(p[i] - 'A' + 'a') : p[i];
                if (c != program[i]) break;
                ++i;
            }
            if (!program[i]) return true;
        }
    }
    return false;
}

}  // namespace quorvel
