// The behaviour of the tutorial window: its event handlers, the opening
// animation, selecting an operation and the animation script of each
// shortcut. Everything is drawn through a TutorialView; the animations run
// on the caller's thread and wait with TutorialView::Pause.
#pragma once

#include "Descriptions.h"
#include "FormLayout.h"
#include "MouseMotion.h"
#include "TutorialView.h"

namespace quorvel::tutorial {

// Pauses and steps of the animations, in milliseconds and twips.
constexpr int OPENING_TIMER_MS = 10;
constexpr int GROW_STEPS = 5;
constexpr int GROW_PAUSE_MS = 10;
constexpr int REVEAL_STEPS = 25;
constexpr int REVEAL_STEP_TWIPS = 20;
constexpr int REVEAL_PAUSE_MS = 20;
constexpr int AFTER_REVEAL_MS = 1000;
constexpr int BETWEEN_STEPS_MS = 500;
constexpr int SEE_ANIMATION_STEPS = 10;
constexpr int SEE_ANIMATION_LABEL_MS = 200;
constexpr int SEE_ANIMATION_ARROW_MS = 100;
constexpr int SELECT_PAUSE_MS = 500;
constexpr int DRAG_MOVE_PAUSE_MS = 10;
constexpr int CIRCLE_TURN_MS = 1000;
// An animation that fell this far behind its schedule (the window was
// dragged, the machine was busy) goes on from where it is instead of rushing.
constexpr int MAX_PACE_LAG_MS = 100;

class MainForm {
public:
    explicit MainForm(TutorialView& view);

    // Event handlers.
    void Form_Load();
    void TimerAnimateLabel_Timer();
    void LabelOperation_Click(int index);
    void LabelOperation_MouseMove(int index);
    void CommandShowAgain_Click();
    void Form_MouseMove() { ClearHover(); }
    void Frame1_MouseMove() { ClearHover(); }
    void Picture1_MouseMove() { ClearHover(); }

    void ClearHover();

    int SelectedOperation() const { return selectedOperation_; }
    int HoveredOperation() const { return hoveredOperation_; }
    bool AnimationReady() const { return animationReady_; }
    bool Animating() const { return animating_; }

private:
    struct Cancelled {};  // thrown out of an animation when the program ends

    void StartPacing();
    void Wait(int ms);
    void GrowOperationLabel(int index);
    void SelectOperation(int index);
    void PlayDragShortcut(int index, bool first);
    void PlayClickShortcut(int index, bool first);
    void PlayCircle();
    void PlayChord();
    void PlayDoubleClick(MousePicture button);
    void RevealStepLabel(Control label);
    void ShowSeeAnimation();
    void ShowMouseAtHome();
    void SetMousePicture(MousePicture picture);
    void FinishAnimation();
    void EnableOperationsExceptSelected();
    void DisableAllOperations();

    TutorialView& view_;
    Rgb hoverColor_{};
    Rgb normalColor_{};
    Rgb selectedColor_{};
    int selectedOperation_ = -1;
    int hoveredOperation_ = -1;
    int homeLeft_ = 0;
    int homeTop_ = 0;
    int operationLabelHeight_ = 0;
    bool animationReady_ = false;
    bool animating_ = false;
    long long paceDeadline_ = 0;  // when the pauses asked for so far should have ended
    DescriptionTable descriptions_;
};

}  // namespace quorvel::tutorial
