// A window timer of a form: it ticks every Interval ms while it is enabled
// and its interval is not 0. Changing either restarts the count.
#pragma once

#include <windows.h>

#include <functional>

namespace quorvel {

class Form;

class FormTimer {
public:
    FormTimer(Form& form, unsigned intervalMs, bool enabled, std::function<void()> onTick);
    ~FormTimer();
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    void SetInterval(unsigned intervalMs);
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }

private:
    friend class Form;
    void Apply();
    void Tick();

    Form& form_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_;
    std::function<void()> onTick_;
};

}  // namespace quorvel
