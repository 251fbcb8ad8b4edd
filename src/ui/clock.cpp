#include "ui/clock.h"

#include <QTime>

namespace ui {

namespace {
FakeClock* fake_clock = nullptr;
}

double seconds_since_midnight() {
    if (fake_clock) return fake_clock->now;
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

FakeClock::FakeClock(double seconds) : now(seconds) {
    fake_clock = this;
}

FakeClock::~FakeClock() {
    if (fake_clock == this) fake_clock = nullptr;
}

} // namespace ui
