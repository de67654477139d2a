// A TutorialView that keeps the state of every control and a log of what
// was done to it, with the pauses in between.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tutorial/TutorialView.h"

namespace quorvel::tutorial {

class FakeTutorialView : public TutorialView {
public:
    struct ControlState {
        bool visible = false;
        bool enabled = true;
        std::string caption;
        int width = -1, height = -1, left = -1, top = -1;
    };
    struct OperationState {
        bool visible = false;
        bool enabled = true;
        int height = -1;
        Rgb color{};
    };

    // Every control starts as visible or hidden as in the real window.
    FakeTutorialView() {
        for (int i = 0; i < CONTROL_COUNT; ++i) controls[i].visible = VisibleAtStart(static_cast<Control>(i));
    }

    ControlState& operator[](Control c) { return controls[static_cast<int>(c)]; }

    void SetVisible(Control c, bool v) override {
        (*this)[c].visible = v;
        Log(Name(c) + (v ? " show" : " hide"));
    }
    void SetEnabled(Control c, bool e) override {
        (*this)[c].enabled = e;
        Log(Name(c) + (e ? " enable" : " disable"));
    }
    void SetCaption(Control c, const std::string& t) override {
        (*this)[c].caption = t;
        Log(Name(c) + " caption " + t);
    }
    void SetWidth(Control c, int w) override {
        (*this)[c].width = w;
        Log(Name(c) + " width " + std::to_string(w));
    }
    void SetHeight(Control c, int h) override {
        (*this)[c].height = h;
        Log(Name(c) + " height " + std::to_string(h));
    }
    void MoveTo(Control c, int l, int t) override {
        (*this)[c].left = l;
        (*this)[c].top = t;
        moves.push_back({l, t});
        moveTimes.push_back(NowMs());
        Log(Name(c) + " move " + std::to_string(l) + "," + std::to_string(t));
    }
    void ShowMousePicture(MousePicture p) override {
        pictures.push_back(p);
        (*this)[Control::PictureMouse].visible = p != MousePicture::None;
        Log("picture " + std::to_string(static_cast<int>(p)));
    }
    void SetOperationVisible(int i, bool v) override { operations[i].visible = v; }
    void SetOperationEnabled(int i, bool e) override { operations[i].enabled = e; }
    void SetOperationHeight(int i, int h) override {
        operations[i].height = h;
        Log("operation " + std::to_string(i) + " height " + std::to_string(h));
    }
    void SetOperationColor(int i, Rgb c) override { operations[i].color = c; }
    void EnableOpeningTimer(int ms) override { timerMs = ms; }
    void DisableOpeningTimer() override { timerMs = 0; }
    bool Pause(int ms) override {
        totalPauseMs += ms;
        // A wait ends at the first timer tick at or after its end.
        clockUs += ms * 1000LL;
        if (tickUs > 0) clockUs = (clockUs + tickUs - 1) / tickUs * tickUs;
        Log("pause " + std::to_string(ms));
        if (pausesLeft == 0) return false;
        if (pausesLeft > 0) --pausesLeft;
        if (onPause) onPause();
        return true;
    }

    long long NowMs() override { return clockUs / 1000; }

    static std::string Name(Control c) { return "c" + std::to_string(static_cast<int>(c)); }
    void Log(const std::string& s) { log.push_back(s); }
    void Clear() {
        log.clear();
        moves.clear();
        moveTimes.clear();
        pictures.clear();
        totalPauseMs = 0;
    }
    int Count(const std::string& entry) const {
        int n = 0;
        for (const auto& s : log) n += s == entry;
        return n;
    }

    ControlState controls[CONTROL_COUNT];
    OperationState operations[OPERATION_COUNT];
    std::vector<std::string> log;
    std::vector<std::pair<int, int>> moves;  // left, top of each MoveTo
    std::vector<long long> moveTimes;        // NowMs at each MoveTo
    std::vector<MousePicture> pictures;
    long long clockUs = 0;
    long long tickUs = 0;  // 15625: waits end on Windows' 15.6 ms timer tick
    int timerMs = 0;
    long totalPauseMs = 0;
    int pausesLeft = -1;  // pauses before Pause starts answering false; -1: never
    std::function<void()> onPause;
};

}  // namespace quorvel::tutorial
