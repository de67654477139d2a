#include "MouseMotion.h"

#include <cmath>

namespace quorvel::tutorial {

std::vector<TwipsPoint> DragPositions(TwipsPoint start, DragDirection direction) {
    int dx = 0, dy = 0;
    switch (direction) {
        case DragDirection::Left: dx = -kDragMoveTwips; break;
        case DragDirection::Right: dx = kDragMoveTwips; break;
        case DragDirection::Down: dy = kDragMoveTwips; break;
        case DragDirection::Up: dy = -kDragMoveTwips; break;
        case DragDirection::None: break;
    }
    std::vector<TwipsPoint> positions;
    positions.reserve(kDragMoveCount);
    TwipsPoint p = start;
    for (int i = 0; i < kDragMoveCount; ++i) {
        p.left += dx;
        p.top += dy;
        positions.push_back(p);
    }
    return positions;
}

std::vector<TwipsPoint> CirclePositions(TwipsPoint centre) {
    const double pi = std::acos(-1.0);
    std::vector<TwipsPoint> positions;
    positions.reserve(kCirclePositionCount);
    for (int i = 0; i < kCirclePositionCount; ++i) {
        const double angle = -2.0 * pi * i / kCirclePositionCount;
        positions.push_back({centre.left + static_cast<int>(std::lround(kCircleRadiusTwips * std::cos(angle))),
                             centre.top - static_cast<int>(std::lround(kCircleRadiusTwips * std::sin(angle)))});
    }
    return positions;
}

}  // namespace quorvel::tutorial
