#include "virtual_time.h"

namespace vexa {

VirtualTimeDriver::VirtualTimeDriver(ScanEngine& engine, VirtualClock& clock)
    : engine_(engine), clock_(clock) {}

bool VirtualTimeDriver::Start() {
    scheduler_.Start(clock_.Ms());
    return engine_.StartSimulation();
}

bool VirtualTimeDriver::Advance(double ms, bool inclusive) {
    auto due = [&] {
        const double next = scheduler_.NextDueMs();
        return inclusive ? next <= ms : next < ms;
    };
    while (engine_.SimulationRunning() && due()) {
        const double instant = scheduler_.NextDueMs();
        clock_.SetMs(instant);
        scheduler_.RunDue(instant, [this](int event) { engine_.RunEvent(event); });
    }
    if (engine_.SimulationRunning()) {
        clock_.SetMs(ms);
    }
    return engine_.SimulationRunning();
}

} // namespace vexa
