#include "FormTimer.h"

#include <algorithm>

#include "Form.h"

namespace quorvel {

namespace {
constexpr UINT_PTR FIRST_TIMER_ID = 1;
}

FormTimer::FormTimer(Form& form, unsigned intervalMs, bool enabled, std::function<void()> onTick)
    : form_(form),
      id_(FIRST_TIMER_ID + form.timers_.size()),
      interval_(intervalMs),
      enabled_(enabled),
      onTick_(std::move(onTick)) {
    form_.timers_.push_back(this);
}

FormTimer::~FormTimer() {
    auto& timers = form_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void FormTimer::SetInterval(unsigned intervalMs) {
    interval_ = intervalMs;
    Apply();
}

// Enabling a timer that runs already does not restart it.
void FormTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

void FormTimer::Apply() {
    if (!form_.Window()) return;
    if (enabled_ && interval_ > 0) {
        SetTimer(form_.Window(), id_, interval_, nullptr);
    } else {
        KillTimer(form_.Window(), id_);
    }
}

void FormTimer::Tick() {
    if (enabled_ && interval_ > 0 && onTick_) onTick_();
}

}  // namespace quorvel
