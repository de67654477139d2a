// The tutorial's pictures, drawn with GDI at run time for the display's DPI:
// the mouse with no button, the right, the middle or the left and right
// buttons pressed, the two arrows, and the operation labels' pointer.
#pragma once

#include <windows.h>

#include "tutorial/TutorialView.h"

namespace quorvel::tutorial {

// Each hands the caller an object it owns from then on (an OwnedBitmap or
// OwnedCursor of common/win32/Owners.h takes it), or null when it could not
// be made.

// A mouse picture of `width` x `height` pixels on `background`.
HBITMAP DrawMousePicture(MousePicture picture, int width, int height, COLORREF background);

// A fat arrow pointing left or right, `width` x `height` pixels on `background`.
HBITMAP DrawArrowPicture(bool pointsLeft, int width, int height, COLORREF background);

// The pointer shown over the operation labels, sized for `dotsPerInch`
// (null: the caller falls back to the system's shared hand, never destroyed).
HCURSOR CreateOperationCursor(int dotsPerInch);

}  // namespace quorvel::tutorial
