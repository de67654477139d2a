// What the tutorial's behaviour needs from its window. The Win32 window
// implements it; the unit tests drive MainForm through a recording fake.
#pragma once

#include <string>

#include "FormLayout.h"

namespace quorvel::tutorial {

// The picture PictureMouse shows; None hides it.
enum class MousePicture { None, NoButton, RightButton, MiddleButton, LeftRightButton };

class TutorialView {
public:
    virtual ~TutorialView() = default;

    virtual void SetVisible(Control control, bool visible) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetCaption(Control control, const std::string& text) = 0;
    virtual void SetWidth(Control control, int twips) = 0;
    virtual void SetHeight(Control control, int twips) = 0;
    virtual void MoveTo(Control control, int left, int top) = 0;
    // Shows PictureMouse with `picture`, or hides it for None.
    virtual void ShowMousePicture(MousePicture picture) = 0;

    virtual void SetOperationVisible(int index, bool visible) = 0;
    virtual void SetOperationEnabled(int index, bool enabled) = 0;
    virtual void SetOperationHeight(int index, int twips) = 0;
    virtual void SetOperationColor(int index, Rgb color) = 0;

    // TimerAnimateLabel.
    virtual void EnableOpeningTimer(int intervalMs) = 0;
    virtual void DisableOpeningTimer() = 0;

    // Waits `ms` milliseconds while processing the window's pending messages.
    // Returns false when the program is ending and the animation must stop.
    // A wait may last longer than asked (Windows' timer tick is 15.6 ms).
    virtual bool Pause(int ms) = 0;
    // A steady clock in milliseconds, finer than the timer tick; the
    // animations are paced against it.
    virtual long long NowMs() = 0;
};

}  // namespace quorvel::tutorial
