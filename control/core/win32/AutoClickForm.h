// "AutoClickForm": the "Click" box. It shows itself beside the cursor on
// AUTO_CLICK_MESSAGE (0xC004), which the form posts itself when the pointer
// dwells (if the user switched dwell on) and which the global hotkey
// Ctrl+Alt+K brings about too; other programs may post it as well.
#pragma once

#include <functional>

#include "control/core/AutoClick.h"
#include "control/core/Clock.h"
#include "control/core/DwellDetector.h"
#include "Form.h"
#include "FormTimer.h"
#include "control/core/HookLibrary.h"

namespace quorvel {

constexpr int AUTO_CLICK_HOTKEY_ID = 0xA001;

class AutoClickForm : public Form, private AutoClickView {
public:
    AutoClickForm(HookLibrary& library, Clock& clock);
    ~AutoClickForm() override;

    void ProcessAutoClickActivate() { box_.ProcessAutoClickActivate(); }

    // Switches dwell on or off and stores the choice as the user's
    // preference. With dwell off no timer runs for it.
    void SetDwellEnabled(bool enabled);
    bool DwellEnabled() const { return dwellEnabled_; }
    // While Quorvel is paused a dwell opens nothing (the hotkey still does).
    void SetPaused(bool paused) { paused_ = paused; }
    // Nor while this answers true (a full-screen program in front, the
    // user's full-screen pause on).
    void SetQuietTime(std::function<bool()> quiet) { quiet_ = std::move(quiet); }

protected:
    void OnLoad() override;
    bool OnQueryUnload() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK AutoClickWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void SwitchDwell(bool enabled);
    void RegisterAutoClickHotkey();
    bool OverLabel1(LPARAM clientPoint) const;
    void OnDwellTimer();
    FormTimer& TimerOf(AutoClickTimer timer);

    // AutoClickView
    ScreenPoint CursorPos() override;
    bool BoxShown() override { return Visible(); }
    void ShowBox(const ScreenPoint& cursor) override;
    void HideBox() override { Hide(); }
    void StartTimer(AutoClickTimer timer, unsigned ms) override;
    void StopTimer(AutoClickTimer timer) override { TimerOf(timer).SetEnabled(false); }
    void SimulateClick(int x, int y) override;
    void DebugLine(const std::string& text) override;

    HookLibrary& library_;
    Clock& clock_;
    AutoClickBox box_;
    DwellDetector dwell_;
    bool dwellEnabled_ = false;
    bool paused_ = false;
    std::function<bool()> quiet_;
    bool hotkey_ = false;
    FormTimer ClickTimer;
    FormTimer HideTimer;
    FormTimer DwellTimer;
};

}  // namespace quorvel
