#include "AnimationForm.h"

#include <shellapi.h>

#include "common/win32/ModulePaths.h"
#include "control/core/ControlProgram.h"
#include "FirstStartMark.h"
#include "control/core/FormTables.h"
#include "ModulePath.h"
#include "control/core/ProgramPaths.h"

namespace quorvel {

namespace {
constexpr int BANNER_POINTS = 28;
constexpr const char* BANNER_TEXT = "Quorvel";
}  // namespace

AnimationForm::AnimationForm()
    : Form(AnimationFormTable()),
      TimerAnimation(*this, 0, false, [this] { OnTimerAnimation(); }),
      TimerControlWindow(*this, SHRINK_TICK_MS, false, [this] { OnTimerControlWindow(); }) {}

void AnimationForm::OnLoad() {
    DesignHeight = HeightTwips();
    bannerFont_.Reset(CreateFontA(-MulDiv(BANNER_POINTS, DpiY(), 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, "Arial"));
}

// The banner: the program's name on the title-bar colour.
void AnimationForm::OnPaint(HDC dc, const RECT& client) {
    const Selected font(dc, bannerFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    RECT banner = client;
    DrawTextA(dc, BANNER_TEXT, -1, &banner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void AnimationForm::ShowStart() {
    if (!Loaded()) return;
    SetHeightTwips(DesignHeight);
    CentreOnScreen();
    Show();
    SetForegroundWindow(Window());
    caption_.Start();
    SetCaption(caption_.Caption());
    TimerAnimation.SetInterval(CAPTION_TICK_MS);
    TimerAnimation.SetEnabled(true);
    TimerControlWindow.SetEnabled(false);
}

void AnimationForm::OnTimerAnimation() {
    if (caption_.StartedShown()) return;
    const bool started = caption_.OnTick();
    SetCaption(caption_.Caption());
    if (started) TimerControlWindow.SetEnabled(true);
}

// The top edge stays; the window loses 50 twips at the bottom per tick.
void AnimationForm::OnTimerControlWindow() {
    if (const auto height = ShrinkStep(HeightTwips(), ClientHeightTwips())) {
        SetHeightTwips(*height);
        return;
    }
    TimerAnimation.SetEnabled(false);
    TimerControlWindow.SetEnabled(false);
    Hide();
    if (TakeFirstStartMark()) OfferTutorial();
}

// The tutorial is started by its full path, so that it is found whatever
// the working folder the program was started from.
void AnimationForm::OfferTutorial() {
    MessageBoxA(nullptr, TUTORIAL_OFFER_TEXT, PROGRAM_TITLE, MB_OK);
    const std::string folder = ProgramDirectoryOf(OwnModulePath());
    const std::string tutorial = folder + TUTORIAL_FILE_NAME;
    ShellExecuteW(nullptr, L"open", WideOf(tutorial).c_str(), WideOf(TUTORIAL_ARGUMENTS).c_str(),
                  WideOf(folder).c_str(), SW_SHOWNORMAL);
}

}  // namespace quorvel
