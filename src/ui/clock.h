#pragma once
// The clock as seconds since midnight. Tests install a FakeClock so that no
// test waits for a real second.

namespace ui {

// Seconds since local midnight, with fractions.
double seconds_since_midnight();

class FakeClock {
public:
    explicit FakeClock(double seconds);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void set(double seconds) { now = seconds; }
    void advance(double seconds) { now += seconds; }
    double now;
};

} // namespace ui
