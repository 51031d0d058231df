#include "timer.h"

#include "numeric.h"

namespace vexa {

std::string_view TimerModeLetters(int mode) {
    switch (mode) {
    case TpTimer::SP:
        return "SP";
    case TpTimer::SE:
        return "SE";
    case TpTimer::SD:
        return "SD";
    case TpTimer::SF:
        return "SF";
    default:
        return {};
    }
}

TpTimer::TpTimer(const BlockEnvironment& environment) : TFunction("pTIMER", environment) {}

void TpTimer::Execute() {
    if (!Enabled()) {
        Value(kQ) = PinValue::Boolean(false);
        return;
    }
    const double now = environment().clock->NowDays();
    const bool input = Value(kStart).IsTrue();

    const bool rising = input && !previousInput_;
    const bool falling = !input && previousInput_;
    const bool onRise = Mode == SP || Mode == SE || Mode == SD;
    if ((onRise && rising) || (Mode == SF && falling)) {
        deadline_ = now + Value(kTime).ToReal() * kTimeUnitDays;
    }
    if (now > deadline_) {
        deadline_ = now;
    }
    if (((Mode == SP || Mode == SD) && !input) || (Mode == SF && input)) {
        deadline_ = now;
    }

    Value(kRemaining) =
        PinValue::Integer(RoundToInt64((deadline_ - now) / kTimeUnitDays), IntWidth::S64);

    bool q = false;
    switch (Mode) {
    case SP:
    case SE:
        q = now < deadline_;
        break;
    case SD:
        q = input && deadline_ <= now;
        break;
    case SF:
        q = now < deadline_ || input;
        break;
    default:
        break;
    }
    Value(kQ) = PinValue::Boolean(q);
    previousInput_ = input;
}

void TpTimer::Reset() {
    TFunction::Reset();
    previousInput_ = false;
}

} // namespace vexa
