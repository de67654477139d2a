#include "ActivityMonitor.h"

#include <cmath>
#include <cstring>

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

uint32_t PointerTravel(int oldX, int oldY, int newX, int newY) {
    double dx = static_cast<double>(oldX) - newX;
    double dy = static_cast<double>(oldY) - newY;
    return static_cast<uint32_t>(std::sqrt(dx * dx + dy * dy));
}

void NoteWorkPeriod(SharedState& s) {
    const uint32_t current = s.CurrentMinute;
    if (current - s.LastActionMinute >= IDLE_PERIOD_BREAK) s.PeriodStartMinute = current;
    s.LastActionMinute = current;
}

// The entry being filled now, read once: another process may be moving the
// minute on at the same moment.
ActivityMinute& CurrentEntry(SharedState& s) {
    uint32_t current = s.CurrentMinute;
    if (current >= static_cast<uint32_t>(ACTIVITY_MINUTES)) current = 0;
    return s.ActivityTable[current];
}

}  // namespace

void RecordUserAction(Context& ctx, int code, int oldX, int oldY, int newX, int newY) {
    SharedState& s = ctx.shared;
    switch (code) {
        case ACTION_KEY:
            ++CurrentEntry(s).Keys;
            s.LastClickOrKeyTime = ctx.clock.GetTickCount();
            break;
        case ACTION_CLICK:
            ++CurrentEntry(s).Clicks;
            s.LastClickOrKeyTime = ctx.clock.GetTickCount();
            break;
        case ACTION_MOVE: {
            uint32_t d = PointerTravel(oldX, oldY, newX, newY);
            if (d < static_cast<uint32_t>(MAX_COUNTED_MOVE)) CurrentEntry(s).MouseDistance += static_cast<uint16_t>(d);
            break;
        }
        default: WriteLog(ctx, "Unrecognized user action."); return;
    }
    NoteWorkPeriod(s);
}

int UserShouldRest(Context& ctx, uint32_t* keys, uint32_t* clicks, uint32_t* distance, uint32_t* minutes) {
    if (!ctx.SettingOn(SETTING_REST_REMINDER)) return 0;
    SharedState& s = ctx.shared;
    uint32_t current = s.CurrentMinute;
    if (current >= static_cast<uint32_t>(ACTIVITY_MINUTES)) current = 0;
    uint32_t first = s.PeriodStartMinute;
    if (first > current) first = current;

    uint32_t sumKeys = 0, sumClicks = 0, sumDistance = 0;
    for (uint32_t m = first; m <= current; ++m) {
        sumKeys += s.ActivityTable[m].Keys;
        sumClicks += s.ActivityTable[m].Clicks;
        sumDistance += s.ActivityTable[m].MouseDistance;
    }
    *keys = sumKeys;
    *clicks = sumClicks;
    *distance = sumDistance;
    *minutes = current - first + 1;

    ++current;
    if (current == static_cast<uint32_t>(ACTIVITY_MINUTES)) {
        current = 0;
        std::memset(s.ActivityTable, 0, sizeof s.ActivityTable);
    }
    s.CurrentMinute = current;

    if (sumKeys + sumClicks > BUSY_PERIOD_ACTIONS || *minutes >= LONG_PERIOD_MINUTES) {
        s.PeriodStartMinute = current;
        return 1;
    }
    if (current == 0) s.PeriodStartMinute = 0;
    return 0;
}

uint32_t GetUserLastClickOrKeyTime(Context& ctx) { return ctx.shared.LastClickOrKeyTime; }

void SendPrimaryClick(Context& ctx, int32_t x, int32_t y) {
    const bool swapped = ctx.system.GetSystemMetrics(win::SM_SWAPBUTTON) != 0;
    InputEvent click[2];
    for (InputEvent& e : click) {
        e.kind = InputEvent::Mouse;
        e.dx = x;
        e.dy = y;
    }
    click[0].flags = win::MOUSEEVENTF_ABSOLUTE | (swapped ? win::MOUSEEVENTF_RIGHTDOWN : win::MOUSEEVENTF_LEFTDOWN);
    click[1].flags = win::MOUSEEVENTF_ABSOLUTE | (swapped ? win::MOUSEEVENTF_RIGHTUP : win::MOUSEEVENTF_LEFTUP);
    ctx.input.SendInput(click, 2);
}

int SimulateClick(Context& ctx, int x, int y) {
    Point before;
    if (!ctx.input.GetCursorPos(&before)) before = Point{x, y};
    ctx.input.SetCursorPos(x, y);
    SendPrimaryClick(ctx, x, y);
    return ctx.input.SetCursorPos(before.x, before.y) ? 1 : 0;
}

}  // namespace quorvel
