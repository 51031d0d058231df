#pragma once

// Example projects that a PLC programmer would recognise, built in code. The golden tests run
// them, and the example writer saves them into examples/.
#include "arithmetic_blocks.h"
#include "bit_functions.h"
#include "counter.h"
#include "diagram_builder.h"
#include "display_blocks.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "pid.h"
#include "timer.h"

#include <string>
#include <vector>

namespace vexa::test {

// Where an example puts its pages, display strings and symbols.
class ExampleSink {
public:
    virtual ~ExampleSink() = default;
    virtual DiagramBuilder AddPage(const std::string& name, int event) = 0;
    virtual void SetDisplayStrings(std::vector<std::string> strings) = 0;
    virtual void AddSymbol(const std::string& address, const std::string& symbol,
                           const std::string& comment, const std::string& type) = 0;
    // A module of the hardware catalogue dropped on a slot row of the hardware table.
    virtual void PlaceModule(int row, const std::string& module) = 0;
};

// The rack of every example: the CPU and an 8-channel digital output module on QB0, so the
// controller's main loop writes the outputs.
inline void StandardRack(ExampleSink& example) {
    example.PlaceModule(1, "CPU-51");
    example.PlaceModule(2, "DO8-24V");
}

// A traffic light on one on-delay timer that restarts itself through M0.0: red while more than
// 50 units remain, yellow for the last 10, green in between.
inline void TrafficLight(ExampleSink& example) {
    StandardRack(example);
    example.AddSymbol("I0.0", "Enable", "traffic light on", "BOOL");
    example.AddSymbol("M0.0", "Restart", "cycle timer elapsed", "BOOL");
    example.AddSymbol("Q0.0", "Red", "red lamp", "BOOL");
    example.AddSymbol("Q0.1", "Green", "green lamp", "BOOL");
    example.AddSymbol("Q0.2", "Yellow", "yellow lamp", "BOOL");
    DiagramBuilder page = example.AddPage("MAIN", FreeCycle);
    auto& enable = page.Io<TbIN>("I0.0", 0, 0);
    auto& memo = page.Io<TbIN>("M0.0", 0, 80);
    auto& restart = page.Add<TbNOT>(40, 80);
    auto& run = page.Add<TbAND>(100, 0);
    auto& period = page.Io<TiIN>("100", 150, 100);
    auto& timer = page.Add<TpTimer>(200, 0);
    timer.Mode = TpTimer::SD;
    auto& memoOut = page.Io<TbOUT>("M0.0", 300, 0);
    auto& redLimit = page.Io<TiIN>("50", 350, 100);
    auto& yellowLimit = page.Io<TiIN>("11", 350, 160);
    auto& isRed = page.Add<TiGT>(400, 0);
    auto& isYellow = page.Add<TiLS>(400, 100);
    auto& red = page.Io<TbOUT>("Q0.0", 500, 0);
    auto& yellow = page.Io<TbOUT>("Q0.2", 500, 100);
    auto& either = page.Add<TbOR>(600, 0);
    auto& notEither = page.Add<TbNOT>(700, 0);
    auto& green = page.Io<TbOUT>("Q0.1", 800, 0);

    page.Link(enable, 0, run, 1);
    page.Link(memo, 0, restart, 0);
    page.Link(restart, 1, run, 2);
    page.Link(run, 0, timer, 0);
    page.Link(period, 0, timer, 1);
    page.Link(timer, 2, memoOut, 0);
    page.Link(timer, 3, isRed, 0);
    page.Link(redLimit, 0, isRed, 1);
    page.Link(timer, 3, isYellow, 0);
    page.Link(yellowLimit, 0, isYellow, 1);
    page.Link(isRed, 2, red, 0);
    page.Link(isYellow, 2, yellow, 0);
    page.Link(isRed, 2, either, 1);
    page.Link(isYellow, 2, either, 2);
    page.Link(either, 0, notEither, 0);
    page.Link(notEither, 1, green, 0);
}

// A tank: the pump starts when the level falls below the low switch and stops at the high
// switch; a counter counts the starts and the panel shows them.
inline void TankWithPump(ExampleSink& example) {
    StandardRack(example);
    example.SetDisplayStrings({"Pump starts:"});
    example.AddSymbol("I0.0", "LowLevel", "level above the low switch", "BOOL");
    example.AddSymbol("I0.1", "HighLevel", "level at the high switch", "BOOL");
    example.AddSymbol("Q0.0", "Pump", "fill pump", "BOOL");
    example.AddSymbol("MW10", "PumpStarts", "starts since power-up", "INT");
    DiagramBuilder page = example.AddPage("TANK", FreeCycle);
    auto& low = page.Io<TbIN>("I0.0", 0, 0);
    auto& high = page.Io<TbIN>("I0.1", 0, 100);
    auto& belowLow = page.Add<TbNOT>(60, 0);
    auto& latch = page.Add<TbRS>(180, 40);
    auto& pump = page.Io<TbOUT>("Q0.0", 300, 0);
    auto& start = page.Add<TbFP>(300, 100);
    auto& starts = page.Add<TpCOUNT>(420, 60);
    auto& startsOut = page.Io<TiOUT>("MW10", 540, 60);
    auto& column = page.Io<TiIN>("13", 560, 200);
    page.Add<TpDPL_STR>(640, 0); // string 0 at column 0 of line 0: its inputs stay unlinked
    auto& number = page.Add<TpDPL_INT>(660, 120);
    page.Add<TpDPL_WBUF>(780, 0);

    page.Link(low, 0, belowLow, 0);
    page.Link(high, 0, latch, 0);
    page.Link(belowLow, 1, latch, 1);
    page.Link(latch, 2, pump, 0);
    page.Link(latch, 2, start, 0);
    page.Link(start, 1, starts, 0);
    page.Link(starts, 6, startsOut, 0);
    page.Link(column, 0, number, 0);
    page.Link(starts, 6, number, 2);
}

// A PI loop on the 100 ms event around a first-order plant (time constant 1 s), with an
// oscilloscope pen on the controller output.
inline void PidLoop(ExampleSink& example) {
    StandardRack(example);
    example.AddSymbol("MD0", "Drive", "controller output, %", "REAL");
    example.AddSymbol("MD4", "Level", "process value, %", "REAL");
    DiagramBuilder controller = example.AddPage("PID", Every100ms);
    auto& setpoint = controller.Io<TrIN>("50", 0, 0);
    auto& measured = controller.Io<TrIN>("MD4", 0, 40);
    auto& gain = controller.Io<TrIN>("0.5", 0, 80);
    auto& integral = controller.Io<TrIN>("2", 0, 120);
    auto& sample = controller.Io<TrIN>("0.1", 0, 160);
    auto& limit = controller.Io<TrIN>("100", 0, 200);
    auto& pid = controller.Add<TpPID>(100, 0);
    auto& output = controller.Io<TrOUT>("MD0", 200, 0);
    auto& pen = controller.Add<TOscPen>(200, 60);
    controller.Link(setpoint, 0, pid, TpPID::kSetpoint);
    controller.Link(measured, 0, pid, TpPID::kProcessValue);
    controller.Link(gain, 0, pid, TpPID::kGain);
    controller.Link(integral, 0, pid, TpPID::kIntegralTime);
    controller.Link(sample, 0, pid, TpPID::kSampleTime);
    controller.Link(limit, 0, pid, TpPID::kHighLimit);
    controller.Link(pid, TpPID::kOut, output, 0);
    controller.Link(pid, TpPID::kOut, pen, 0);

    DiagramBuilder plant = example.AddPage("PLANT", Every100ms);
    auto& drive = plant.Io<TrIN>("MD0", 0, 0);
    auto& level = plant.Io<TrIN>("MD4", 0, 60);
    auto& difference = plant.Add<TrSUBB>(100, 0);
    auto& rate = plant.Io<TrIN>("0.1", 100, 100);
    auto& step = plant.Add<TrMULL>(200, 0);
    auto& next = plant.Add<TrADD>(300, 0);
    auto& store = plant.Io<TrOUT>("MD4", 400, 0);
    plant.Link(drive, 0, difference, 0);
    plant.Link(level, 0, difference, 1);
    plant.Link(difference, 2, step, 0);
    plant.Link(rate, 0, step, 1);
    plant.Link(level, 0, next, 0);
    plant.Link(step, 2, next, 1);
    plant.Link(next, 2, store, 0);
}

} // namespace vexa::test
