// Hover selection of the task list: the row under the pointer becomes the
// selected row when it is not the row last selected by hovering; once the
// pointer has been outside the list when the 300 ms timer ends, the same row
// selects again.
#pragma once

#include <vector>

namespace quorvel {

struct RowSpan {
    int top;
    int bottom;
};

class TaskListHover {
public:
    // dy: the pointer's distance from the top of the list's window. Returns
    // the row to select (and to restart the timer for), or -1 for none.
    int OnMouseMove(int dy, const std::vector<RowSpan>& rows);
    // The timer ended with the pointer inside or outside the list.
    void OnTimer(bool pointerInList);
    void Reset() { HoverIndex = -1; }
    int Hovered() const { return HoverIndex; }

private:
    int HoverIndex = -1;
};

}  // namespace quorvel
