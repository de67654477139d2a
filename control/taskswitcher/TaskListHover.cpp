#include "TaskListHover.h"

namespace quorvel {

int TaskListHover::OnMouseMove(int dy, const std::vector<RowSpan>& rows) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].top < dy && dy < rows[i].bottom && i != HoverIndex) {
            HoverIndex = i;
            return i;
        }
    }
    return -1;
}

void TaskListHover::OnTimer(bool pointerInList) {
    if (!pointerInList) HoverIndex = -1;
}

}  // namespace quorvel
