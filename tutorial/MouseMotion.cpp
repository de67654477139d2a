#include "MouseMotion.h"

#include <cmath>

namespace quorvel::tutorial {

std::vector<TwipsPoint> DragPositions(TwipsPoint start, DragDirection direction) {
    int dx = 0, dy = 0;
    switch (direction) {
        case DragDirection::Left: dx = -DRAG_MOVE_TWIPS; break;
        case DragDirection::Right: dx = DRAG_MOVE_TWIPS; break;
        case DragDirection::Down: dy = DRAG_MOVE_TWIPS; break;
        case DragDirection::Up: dy = -DRAG_MOVE_TWIPS; break;
        case DragDirection::None: break;
    }
    std::vector<TwipsPoint> positions;
    positions.reserve(DRAG_MOVE_COUNT);
    TwipsPoint p = start;
    for (int i = 0; i < DRAG_MOVE_COUNT; ++i) {
        p.left += dx;
        p.top += dy;
        positions.push_back(p);
    }
    return positions;
}

std::vector<TwipsPoint> CirclePositions(TwipsPoint centre) {
    const double pi = std::acos(-1.0);
    std::vector<TwipsPoint> positions;
    positions.reserve(CIRCLE_POSITION_COUNT);
    for (int i = 0; i < CIRCLE_POSITION_COUNT; ++i) {
        const double angle = -2.0 * pi * i / CIRCLE_POSITION_COUNT;
        positions.push_back({centre.left + static_cast<int>(std::lround(CIRCLE_RADIUS_TWIPS * std::cos(angle))),
                             centre.top - static_cast<int>(std::lround(CIRCLE_RADIUS_TWIPS * std::sin(angle)))});
    }
    return positions;
}

}  // namespace quorvel::tutorial
