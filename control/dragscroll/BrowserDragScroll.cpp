#include "BrowserDragScroll.h"

#include "common/ProgramList.h"
#include "common/Text.h"

namespace quorvel {

BrowserFamily ReceivedPage(WheelScrollHost& host, uint32_t window, int x, int y, const std::string& browserPrograms) {
    const std::string windowClass = host.ClassName(window);
    if (windowClass == IE_SERVER_CLASS) return BROWSER_INTERNET_EXPLORER;
    BrowserFamily family = ContentClassFamily(windowClass.c_str());
    uint32_t content = window;
    if (family == BROWSER_NONE) {
        content = host.Parent(window);
        family = content ? ContentClassFamily(host.ClassName(content).c_str()) : BROWSER_NONE;
    }
    if (family == BROWSER_NONE && windowClass == CHROMIUM_ROOT_CLASS) {
        content = host.VisibleChildAt(window, CHROMIUM_CONTENT_CLASS, x, y);
        if (content) family = BROWSER_CHROMIUM;
    }
    if (family != BROWSER_FIREFOX && family != BROWSER_CHROMIUM) return BROWSER_NONE;
    const bool chromiumRoot = family == BROWSER_CHROMIUM && host.ClassName(host.Root(content)) == CHROMIUM_ROOT_CLASS;
    const std::string program = host.ProgramPath(window);
    const bool browser =
        ProgramListContains(browserPrograms.data(), browserPrograms.size(), FileNamePart(program.c_str()));
    return IsBrowserPage(family, browser, chromiumRoot) ? family : BROWSER_NONE;
}

void BrowserDragScroll::StartDrag(uint32_t root, uint32_t window, int x, int y) {
    for (auto it = watched_.begin(); it != watched_.end();) {
        it = it->first == root || host_.IsWindow(it->first) ? std::next(it) : watched_.erase(it);
    }
    const BrowserFamily family = window ? ReceivedPage(host_, window, x, y, browserPrograms_) : BROWSER_NONE;
    const bool wheel = family == BROWSER_CHROMIUM || family == BROWSER_FIREFOX;
    const double pixelsPerUnit = wheel ? PixelsPerWheelUnit(family, host_.SettingsFor(window)) : 0;
    drags_.emplace(root, Drag{family, window, x, y, WheelDrag(y, pixelsPerUnit)});
    if (family == BROWSER_NONE) {
        host_.WriteDebugLine("drag scroll: window " + std::to_string(window) + " is no browser page");
    }
}

void BrowserDragScroll::DragScrollStep(uint32_t root, int x, int y, int top, int left, int width) {
    auto watched = watched_.find(root);
    const uint32_t window = watched == watched_.end() ? 0 : watched->second;
    auto it = drags_.find(root);
    const bool first = it == drags_.end();
    if (first) {
        StartDrag(root, window, x, y);
        it = drags_.find(root);
    }
    Drag& drag = it->second;
    if (drag.family == BROWSER_INTERNET_EXPLORER) {
        // Calls into the page may let other steps in: nothing of `drag` is used after.
        pages_.WatchBrowserWindow(root, window);
        pages_.DragScrollStep(root, x, y, top, left, width);
        return;
    }
    if (first || drag.family == BROWSER_NONE) return;
    const int units = drag.wheel.Step(y);
    for (int turn : WheelTurns(units)) host_.PostWheel(drag.window, turn, drag.grabX, drag.grabY);
    host_.WriteDebugLine("mouse x : " + std::to_string(x) + " mouse y : " + std::to_string(y) + "wheel by " +
                         std::to_string(units));
}

void BrowserDragScroll::ForgetActiveFrame(uint32_t root) {
    drags_.erase(root);
    pages_.ForgetActiveFrame(root);
}

}  // namespace quorvel
