// Where the animated mouse picture goes, in twips of the drawing area.
#pragma once

#include <vector>

#include "Operations.h"

namespace quorvel::tutorial {

struct TwipsPoint {
    int left;
    int top;
    bool operator==(const TwipsPoint& o) const { return left == o.left && top == o.top; }
};

constexpr int DRAG_MOVE_COUNT = 51;  // moves of one drag
constexpr int DRAG_MOVE_TWIPS = 12;  // twips per move (612 in all)
constexpr int CIRCLE_POSITION_COUNT = 40;
constexpr int CIRCLE_RADIUS_TWIPS = 650;
constexpr int CIRCLE_START_OFFSET_TWIPS = 750;  // the picture waits right of home

// The kDragMoveCount positions after each move of a drag from `start`.
std::vector<TwipsPoint> DragPositions(TwipsPoint start, DragDirection direction);

// The kCirclePositionCount positions of one clockwise turn (on screen, where
// Top grows downward) around `centre`, starting at the rightmost point;
// each rounded to whole twips.
std::vector<TwipsPoint> CirclePositions(TwipsPoint centre);

}  // namespace quorvel::tutorial
