#include "SmartMove.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/ScreenBounds.h"
#include "hooklib/core/WinConstants.h"
#include "DialogTracking.h"

namespace quorvel {
namespace {

DialogSizeKey KeyOfRect(const Rect& r) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%04d", r.Width(), r.Height());
    return DialogSizeKey(text);
}

bool EqualsIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char ca = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        char cb = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (ca != cb) return false;
    }
    return *a == *b;
}

bool IsPushButtonClass(Windows& windows, Hwnd w) {
    char name[MAX_WINDOW_CLASSNAME_LEN];
    windows.GetClassName(w, name, sizeof name);
    return EqualsIgnoringCase(name, PUSH_BUTTON_CLASS);
}

// The dialog's only direct child of class "Button", or 0 when it has none
// or more than one (check boxes and radio buttons count too).
Hwnd OnlyPushButton(Windows& windows, Hwnd dialog) {
    Hwnd found = 0;
    for (Hwnd c = windows.GetFirstChild(dialog); c; c = windows.GetNextSibling(c)) {
        if (!IsPushButtonClass(windows, c)) continue;
        if (found) return 0;
        found = c;
    }
    return found;
}

// Where the pointer goes without a remembered click: three quarters across
// and two thirds down the only push button; else the dialog's centre, unless
// the pointer already sits in its middle half.
Point DefaultTarget(Windows& windows, Hwnd dialog, Point p) {
    Rect b;
    if (Hwnd button = OnlyPushButton(windows, dialog); button && windows.GetWindowRect(button, &b)) {
        return Point{b.left + (3 * b.Width()) / 4, b.top + (2 * b.Height()) / 3};
    }
    Rect r;
    if (!windows.GetWindowRect(dialog, &r)) return p;
    Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (std::abs(p.x - centre.x) < r.Width() / 4 && std::abs(p.y - centre.y) < r.Height() / 4) return p;
    return centre;
}

// The open-address gesture asked for the dialog to come to the pointer:
// centre it there, never above or left of the monitor the pointer is on
// (on the primary monitor that is never at negative coordinates).
void CentreDialogOnPointer(Context& ctx, Hwnd dialog, const Rect& r, Point p) {
    const Rect monitor = MonitorOf(ReadMonitors(ctx.shared), p);
    int32_t left = p.x - r.Width() / 2;
    int32_t top = p.y - r.Height() / 2;
    if (left < monitor.left) left = monitor.left;
    if (top < monitor.top) top = monitor.top;
    ctx.windows.MoveWindow(dialog, left, top, r.Width(), r.Height(), true);
}

// Targets off every monitor are not approached.
bool OnScreen(Context& ctx, Point t) { return OnAnyMonitor(ReadMonitors(ctx.shared), t, true); }

void Glide(Clock& clock, Input& input, Point from, Point to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    for (int j = 0; j <= SMART_MOVE_STEPS; ++j) {
        clock.Sleep(GLIDE_STEP_MS);
        input.SetCursorPos(static_cast<int>(from.x + j * dx / SMART_MOVE_STEPS),
                           static_cast<int>(from.y + j * dy / SMART_MOVE_STEPS));
    }
}

}  // namespace

bool MakeDialogSizeKey(Windows& windows, Hwnd dialog, DialogSizeKey* key) {
    Rect r;
    if (!windows.GetWindowRect(dialog, &r)) return false;
    *key = KeyOfRect(r);
    return true;
}

void RegisterDialog(Context& ctx, Hwnd dialog) {
    DialogSizeKey key;
    if (!MakeDialogSizeKey(ctx.windows, dialog, &key)) return;
    DialogMapLock hold(ctx);
    DialogClickMap& clicks = ProcessClicksLocked(ctx);
    auto it = clicks.find(key);
    if (it == clicks.end()) {
        clicks.emplace(key, DialogClickRecord{});
    } else {
        it->second.ClickedThisTime = false;
    }
}

bool LookupDialogClick(Context& ctx, Hwnd dialog, int32_t* offsetX, int32_t* offsetY) {
    DialogSizeKey key;
    if (!MakeDialogSizeKey(ctx.windows, dialog, &key)) return false;
    DialogMapLock hold(ctx);
    DialogClickMap& clicks = ProcessClicksLocked(ctx);
    auto it = clicks.find(key);
    if (it == clicks.end() || !it->second.HasOffset) return false;
    *offsetX = it->second.OffsetX;
    *offsetY = it->second.OffsetY;
    return true;
}

void RememberDialogClick(Context& ctx) {
    Point p;
    if (!ctx.input.GetCursorPos(&p)) return;
    ThreadDialogs mine = FetchThreadDialogs(ctx);
    if (mine.stack.empty()) return;
    const Hwnd dialog = mine.stack.back();
    Rect r;
    if (!ctx.windows.GetWindowRect(dialog, &r) || !r.Contains(p)) return;
    const DialogSizeKey key = KeyOfRect(r);
    const int32_t offsetX = p.x - r.left;
    const int32_t offsetY = p.y - r.top;
    {
        DialogMapLock hold(ctx);
        DialogClickMap& clicks = ProcessClicksLocked(ctx);
        auto it = clicks.find(key);
        if (it == clicks.end() || it->second.ClickedThisTime) return;
        DialogClickRecord& record = it->second;
        record.ClickedThisTime = true;
        record.HasOffset = true;
        record.OffsetX = offsetX;
        record.OffsetY = offsetY;
    }
    SaveDialogClick(ctx, key, offsetX, offsetY);
    WriteLogF(ctx, "XXX Click in Dialog, offsetX : %d, offsetY : %d", offsetX, offsetY);
}

void MoveCursorToDialog(Context& ctx, Hwnd dialog) {
    if (!ctx.windows.IsWindow(dialog)) return;
    Rect rect;
    Point p;
    if (!ctx.windows.GetWindowRect(dialog, &rect) || !ctx.input.GetCursorPos(&p)) return;

    if (ctx.shared.CenterNextDialogOnCursor) {
        ctx.shared.CenterNextDialogOnCursor = 0;
        CentreDialogOnPointer(ctx, dialog, rect, p);
        return;
    }

    Point target = DefaultTarget(ctx.windows, dialog, p);
    int32_t offsetX, offsetY;
    if (LookupDialogClick(ctx, dialog, &offsetX, &offsetY)) {
        WriteLogF(ctx, "XXX move cursor : OffsetX : %d, OffsetY : %d", offsetX, offsetY);
        target = Point{rect.left + offsetX, rect.top + offsetY};
    }
    if (target.x == p.x && target.y == p.y) return;
    if (!OnScreen(ctx, target)) return;
    Glide(ctx.clock, ctx.input, p, target);
}

namespace {

// This program's key name: the executable's full path with every "\" made
// "/" (so that the whole path is one key); false without a path (the key
// would be the base key itself).
bool ProgramKeyName(Context& ctx, char (&path)[MODULE_PATH_SIZE + 1]) {
    ctx.system.GetModuleFileName(0, path, MODULE_PATH_SIZE);
    path[MODULE_PATH_SIZE] = '\0';
    if (path[0] == '\0') return false;
    for (char* c = path; *c; ++c) {
        if (*c == '\\') *c = '/';
    }
    return true;
}

// The program key below one base key, opened for reading.
RegKey OpenProgramKey(Context& ctx, RegKey root, const char* base, const char* program) {
    RegKey baseKey = 0;
    if (ctx.registry.RegOpenKey(root, base, win::KEY_READ, &baseKey) != win::ERROR_SUCCESS) return 0;
    RegKey key = 0;
    const long result = ctx.registry.RegOpenKey(baseKey, program, win::KEY_READ, &key);
    ctx.registry.RegCloseKey(baseKey);
    return result == win::ERROR_SUCCESS ? key : 0;
}

// Every remembered click below one program key; a size already known (from
// the user's own key, read first) keeps its offsets.
void LoadClicksFrom(Context& ctx, RegKey program) {
    for (uint32_t index = 0;; ++index) {
        char name[CLICK_NAME_BUFFER] = {};
        unsigned char data[CLICK_DATA_BUFFER] = {};
        RegValue info;
        long result = ctx.registry.RegEnumValue(program, index, name, sizeof name, &info, data, sizeof data);
        // A value too large for the buffers is skipped; the ones after it still load.
        if (result == win::ERROR_MORE_DATA) continue;
        if (result != win::ERROR_SUCCESS) break;
        // Fewer than four bytes hold no offsets.
        if (info.size < 4) continue;
        name[sizeof name - 1] = '\0';
        uint32_t value;
        std::memcpy(&value, data, sizeof value);
        DialogClickRecord record;
        record.HasOffset = true;
        record.OffsetX = static_cast<int32_t>(value & 0xFFFFu);
        record.OffsetY = static_cast<int32_t>(value >> 16);
        DialogMapLock hold(ctx);
        ProcessClicksLocked(ctx).emplace(DialogSizeKey(name), record);
    }
    ctx.registry.RegCloseKey(program);
}

}  // namespace

// What the user's programs learn is written under the user's own key (made
// when missing), whatever the account may do machine-wide; it is read back
// from there first, then from the machine-wide key an earlier version (or an
// administrator) filled, which is only read and never changed.
RegKey OpenDialogClickKey(Context& ctx, bool create) {
    char path[MODULE_PATH_SIZE + 1] = {};
    if (!ProgramKeyName(ctx, path)) return 0;
    if (!create) return OpenProgramKey(ctx, win::HKEY_CURRENT_USER, USER_KEY, path);
    RegKey base = 0;
    if (ctx.registry.RegCreateKey(win::HKEY_CURRENT_USER, USER_KEY, win::KEY_CREATE_SUB_KEY, &base) !=
        win::ERROR_SUCCESS) {
        return 0;
    }
    RegKey key = 0;
    long result = ctx.registry.RegCreateKey(base, path, win::KEY_SET_VALUE, &key);
    ctx.registry.RegCloseKey(base);
    return result == win::ERROR_SUCCESS ? key : 0;
}

bool SaveDialogClick(Context& ctx, const DialogSizeKey& key, int32_t x, int32_t y) {
    RegKey program = OpenDialogClickKey(ctx, true);
    if (!program) return false;
    const uint32_t value = PackDialogClick(x, y);
    long result = ctx.registry.RegSetValue(program, key.c_str(), win::REG_DWORD, &value, sizeof value);
    ctx.registry.RegCloseKey(program);
    return result == win::ERROR_SUCCESS;
}

void LoadDialogClicks(Context& ctx) {
    char path[MODULE_PATH_SIZE + 1] = {};
    if (!ProgramKeyName(ctx, path)) return;
    if (RegKey user = OpenProgramKey(ctx, win::HKEY_CURRENT_USER, USER_KEY, path)) LoadClicksFrom(ctx, user);
    if (RegKey machine = OpenProgramKey(ctx, win::HKEY_LOCAL_MACHINE, MACHINE_KEY, path)) LoadClicksFrom(ctx, machine);
}

}  // namespace quorvel
