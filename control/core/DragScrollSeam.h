// Where the main window hands browser drag-to-scroll steps. Until a
// drag-to-scroll module installs a handler the steps do nothing.
#pragma once

#include <cstdint>

namespace quorvel {

class DragScrollHandler {
public:
    virtual ~DragScrollHandler() = default;
    // Before each step: the browser's top-level window and the content
    // window under the cursor, so the handler can track that browser's page.
    virtual void WatchBrowserWindow(uint32_t root, uint32_t contentWindow) = 0;
    virtual void DragScrollStep(uint32_t root, int x, int y, int top, int left, int width) = 0;
    virtual void ForgetActiveFrame(uint32_t root) = 0;
};

}  // namespace quorvel
