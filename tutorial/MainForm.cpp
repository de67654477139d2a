#include "MainForm.h"

namespace quorvel::tutorial {

namespace {

const char* const CURSOR_MINIMUM_MOVEMENT = "Cursor minimum movement :";
const char* const CURSOR_TRACE_MINIMUM_CIRCLE = "Cursor trace minimum circle : ";

MousePicture PressedPicture(ShortcutButton button) {
    switch (button) {
        case ShortcutButton::Right: return MousePicture::RightButton;
        case ShortcutButton::Middle: return MousePicture::MiddleButton;
        case ShortcutButton::LeftRight: return MousePicture::LeftRightButton;
        case ShortcutButton::None: break;
    }
    return MousePicture::NoButton;
}

// Marks an animation as running for as long as it is in scope.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

MainForm::MainForm(TutorialView& view) : view_(view) {}

void MainForm::StartPacing() { paceDeadline_ = view_.NowMs(); }

// Every pause ends at a deadline counted from the animation's start, so the
// overshoot of one wait is taken off the next instead of adding up.
void MainForm::Wait(int ms) {
    paceDeadline_ += ms;
    const long long now = view_.NowMs();
    if (now - paceDeadline_ > MAX_PACE_LAG_MS) paceDeadline_ = now;
    const long long remaining = paceDeadline_ - now;
    if (!view_.Pause(remaining > 0 ? static_cast<int>(remaining) : 0)) throw Cancelled{};
}

void MainForm::Form_Load() {
    hoverColor_ = kHoverColor;
    normalColor_ = kNormalColor;
    selectedColor_ = kPicture1BackColor;
    selectedOperation_ = -1;
    hoveredOperation_ = -1;
    for (int i = 0; i < OPERATION_COUNT; ++i) view_.SetOperationColor(i, normalColor_);

    const TwipsRect home = DesignRect(Control::PictureMouse);
    homeLeft_ = home.left;
    homeTop_ = home.top;
    descriptions_ = FillDescriptions();
    operationLabelHeight_ = OperationLabelRect(0).height;
    animationReady_ = false;

    view_.EnableOpeningTimer(OPENING_TIMER_MS);
}

void MainForm::TimerAnimateLabel_Timer() {
    view_.DisableOpeningTimer();
    if (animationReady_ || animating_) return;  // the opening runs once
    try {
        BusyScope busy(animating_);
        StartPacing();
        for (int i = 0; i < OPERATION_COUNT; ++i) GrowOperationLabel(i);
        view_.SetVisible(Control::LabelHead, true);
        animationReady_ = true;
    } catch (const Cancelled&) {
    }
}

void MainForm::GrowOperationLabel(int index) {
    view_.SetOperationHeight(index, 0);
    view_.SetOperationVisible(index, true);
    for (int k = 0; k <= GROW_STEPS; ++k) {
        view_.SetOperationHeight(index, operationLabelHeight_ * k / GROW_STEPS);
        Wait(GROW_PAUSE_MS);
    }
}

void MainForm::LabelOperation_MouseMove(int index) {
    if (index == hoveredOperation_ || index == selectedOperation_) return;
    if (hoveredOperation_ != -1) view_.SetOperationColor(hoveredOperation_, normalColor_);
    view_.SetOperationColor(index, hoverColor_);
    hoveredOperation_ = index;
}

void MainForm::ClearHover() {
    if (hoveredOperation_ == -1) return;
    view_.SetOperationColor(hoveredOperation_, normalColor_);
    hoveredOperation_ = -1;
}

void MainForm::LabelOperation_Click(int index) {
    if (!animationReady_ || animating_) return;
    if (index < 0 || index >= OPERATION_COUNT) return;
    try {
        BusyScope busy(animating_);
        StartPacing();
        SelectOperation(index);
    } catch (const Cancelled&) {
    }
}

void MainForm::SelectOperation(int index) {
    view_.SetVisible(Control::Picture1, true);
    view_.SetVisible(Control::LabelHead, false);
    view_.SetVisible(Control::PictureArrowLeft, false);

    if (index != selectedOperation_) {
        if (selectedOperation_ != -1) view_.SetOperationColor(selectedOperation_, normalColor_);
        DisableAllOperations();
        selectedOperation_ = index;
        hoveredOperation_ = -1;

        view_.SetVisible(Control::Frame1, false);
        view_.SetOperationColor(index, selectedColor_);
        view_.SetVisible(Control::LabelStep1, false);
        view_.SetVisible(Control::LabelStep2, false);
        view_.SetVisible(Control::LabelStep3, false);
        view_.SetVisible(Control::CommandShowAgain, false);
        view_.SetVisible(Control::PictureMouse, false);
        view_.SetVisible(Control::ShapeCircle, false);
        Wait(SELECT_PAUSE_MS);

        if (IsClickShortcut(index)) {
            if (index == kLaunchNewIE) {
                view_.SetCaption(Control::LabelCursorMovement, CURSOR_TRACE_MINIMUM_CIRCLE);
                view_.SetVisible(Control::LabelCursorMovement, true);
                view_.SetVisible(Control::ShapeCircle, true);
            } else {
                view_.SetVisible(Control::LabelCursorMovement, false);
            }
            view_.SetVisible(Control::LabelMoveDescription, false);
            view_.SetVisible(Control::LineHorizontal, false);
            PlayClickShortcut(index, true);
        } else {
            view_.SetCaption(Control::LabelCursorMovement, CURSOR_MINIMUM_MOVEMENT);
            view_.SetVisible(Control::LabelCursorMovement, true);
            view_.SetVisible(Control::LabelMoveDescription, true);
            view_.SetVisible(Control::LineHorizontal, true);
            PlayDragShortcut(index, true);
        }
        view_.SetCaption(Control::LabelDescriptionText, descriptions_[index]);
        view_.SetVisible(Control::Frame1, true);
    }
    EnableOperationsExceptSelected();
}

void MainForm::CommandShowAgain_Click() {
    if (animating_ || selectedOperation_ == -1) return;
    try {
        BusyScope busy(animating_);
        StartPacing();
        view_.SetEnabled(Control::CommandShowAgain, false);
        // The other operations wait for the replay to end, so that no
        // second animation starts inside this one.
        DisableAllOperations();
        if (IsClickShortcut(selectedOperation_)) {
            PlayClickShortcut(selectedOperation_, false);
        } else {
            PlayDragShortcut(selectedOperation_, false);
        }
        EnableOperationsExceptSelected();
        view_.SetEnabled(Control::CommandShowAgain, true);
    } catch (const Cancelled&) {
    }
}

void MainForm::PlayDragShortcut(int index, bool first) {
    const Control steps[] = {Control::LabelStep1, Control::LabelStep2, Control::LabelStep3};
    for (int n = 1; n <= 3; ++n) view_.SetCaption(steps[n - 1], StepCaption(n, index));
    if (first) {
        for (Control step : steps) {
            RevealStepLabel(step);
            Wait(BETWEEN_STEPS_MS);
        }
        ShowSeeAnimation();
        Wait(BETWEEN_STEPS_MS);
    }
    view_.MoveTo(Control::PictureMouse, homeLeft_, homeTop_);
    Wait(500);
    view_.SetVisible(Control::PictureMouse, true);
    SetMousePicture(MousePicture::NoButton);
    Wait(1000);
    const Operation& op = GetOperation(index);
    SetMousePicture(PressedPicture(op.button));
    Wait(300);
    for (const TwipsPoint& p : DragPositions({homeLeft_, homeTop_}, op.direction)) {
        view_.MoveTo(Control::PictureMouse, p.left, p.top);
        Wait(DRAG_MOVE_PAUSE_MS);
    }
    Wait(300);
    SetMousePicture(MousePicture::NoButton);
    Wait(1000);
    FinishAnimation();
}

void MainForm::PlayClickShortcut(int index, bool first) {
    if (first) {
        view_.SetCaption(Control::LabelStep2, ClickInstruction(index));
        RevealStepLabel(Control::LabelStep2);
        if (index == kSwitchToLastApplication) Wait(1000);
        ShowSeeAnimation();
    }
    switch (index) {
        case kLaunchNewIE: PlayCircle(); break;
        case kSwitchToLastApplication: PlayChord(); break;
        default: PlayDoubleClick(PressedPicture(GetOperation(index).button)); break;
    }
    Wait(1000);
    FinishAnimation();
}

void MainForm::PlayCircle() {
    view_.MoveTo(Control::PictureMouse, homeLeft_ + CIRCLE_START_OFFSET_TWIPS, homeTop_);
    Wait(500);
    view_.SetVisible(Control::PictureMouse, true);
    Wait(1000);
    for (const TwipsPoint& p : CirclePositions({homeLeft_, homeTop_})) {
        view_.MoveTo(Control::PictureMouse, p.left, p.top);
        Wait(CIRCLE_TURN_MS / CIRCLE_POSITION_COUNT);
    }
}

void MainForm::ShowMouseAtHome() {
    view_.MoveTo(Control::PictureMouse, homeLeft_, homeTop_);
    Wait(500);
    view_.SetVisible(Control::PictureMouse, true);
    Wait(1000);
}

void MainForm::PlayChord() {
    ShowMouseAtHome();
    SetMousePicture(MousePicture::LeftRightButton);
    Wait(1000);
    SetMousePicture(MousePicture::NoButton);
    Wait(500);
}

void MainForm::PlayDoubleClick(MousePicture button) {
    ShowMouseAtHome();
    SetMousePicture(button);
    Wait(500);
    SetMousePicture(MousePicture::NoButton);
    Wait(500);
    SetMousePicture(button);
    Wait(500);
    SetMousePicture(MousePicture::NoButton);
}

void MainForm::RevealStepLabel(Control label) {
    view_.SetHeight(label, 0);
    view_.SetVisible(label, true);
    for (int k = 0; k <= REVEAL_STEPS; ++k) {
        view_.SetHeight(label, k * REVEAL_STEP_TWIPS);
        Wait(REVEAL_PAUSE_MS);
    }
    Wait(AFTER_REVEAL_MS);
}

void MainForm::ShowSeeAnimation() {
    const int labelWidth = DesignRect(Control::LabelSeeAnimation).width;
    const int arrowWidth = DesignRect(Control::PictureArrowRight).width;
    view_.SetWidth(Control::LabelSeeAnimation, 0);
    view_.SetWidth(Control::PictureArrowRight, 0);
    view_.SetVisible(Control::LabelSeeAnimation, true);
    view_.SetVisible(Control::PictureArrowRight, true);
    for (int k = 1; k <= SEE_ANIMATION_STEPS; ++k) {
        view_.SetWidth(Control::LabelSeeAnimation, labelWidth * k / SEE_ANIMATION_STEPS);
        Wait(SEE_ANIMATION_LABEL_MS / SEE_ANIMATION_STEPS);
    }
    for (int k = 1; k <= SEE_ANIMATION_STEPS; ++k) {
        view_.SetWidth(Control::PictureArrowRight, arrowWidth * k / SEE_ANIMATION_STEPS);
        Wait(SEE_ANIMATION_ARROW_MS / SEE_ANIMATION_STEPS);
    }
    Wait(500);
}

void MainForm::SetMousePicture(MousePicture picture) { view_.ShowMousePicture(picture); }

void MainForm::FinishAnimation() {
    view_.SetVisible(Control::LabelSeeAnimation, false);
    view_.SetVisible(Control::PictureArrowRight, false);
    view_.SetVisible(Control::CommandShowAgain, true);
}

void MainForm::DisableAllOperations() {
    for (int i = 0; i < OPERATION_COUNT; ++i) view_.SetOperationEnabled(i, false);
}

void MainForm::EnableOperationsExceptSelected() {
    for (int i = 0; i < OPERATION_COUNT; ++i) view_.SetOperationEnabled(i, i != selectedOperation_);
}

}  // namespace quorvel::tutorial
