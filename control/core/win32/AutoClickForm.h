// "AutoClickForm": the "Click" box. It shows itself beside the cursor on
// AUTO_CLICK_MESSAGE (0xC004), which any program may post, on its global
// hotkey (a preference of the user's, Ctrl+Alt+F11 unless changed) and when
// the pointer dwells (if the user switched dwell on).
#pragma once

#include <functional>

#include "control/core/AutoClick.h"
#include "control/core/Clock.h"
#include "control/core/DwellDetector.h"
#include "Form.h"
#include "FormTimer.h"
#include "WindowHotkey.h"
#include "control/core/HookLibrary.h"
#include "control/core/Hotkeys.h"

namespace quorvel {

constexpr int AUTO_CLICK_HOTKEY_ID = 0xA001;

class AutoClickForm : public Form, private AutoClickView {
public:
    AutoClickForm(HookLibrary& library, Clock& clock);
    ~AutoClickForm() override;

    void ProcessAutoClickActivate() { box_.ProcessAutoClickActivate(); }
    // The box beside `point`, clicking there (the notification icon's menu).
    void OpenAt(const ScreenPoint& point) { box_.OpenAt(point); }
    HotkeyBinding& Hotkey() { return hotkey_; }

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
    void StartHotkey();
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
    uint32_t LastClickOrKeyTime() override { return library_.GetUserLastClickOrKeyTime(); }
    void DebugLine(const std::string& text) override;

    HookLibrary& library_;
    Clock& clock_;
    AutoClickBox box_;
    DwellDetector dwell_;
    bool dwellEnabled_ = false;
    bool paused_ = false;
    std::function<bool()> quiet_;
    WindowHotkey hotkeyRegistration_;
    HotkeyBinding hotkey_;
    FormTimer ClickTimer;
    FormTimer HideTimer;
    FormTimer DwellTimer;
};

}  // namespace quorvel
