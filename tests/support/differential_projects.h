#pragma once

// Diagrams that run alike on the PC and on the controller: free-cycle only, no integer
// overflow, reals that single precision holds exactly, timers whose time value is 0. Together
// they use every block type that leaves its results in memory.
#include "example_projects.h"
#include "generator.h"

namespace vexa::test {

// Places blocks left to right, so the execution order is the order of placing.
class Row {
public:
    explicit Row(DiagramBuilder builder) : builder_(builder) {}
    template <class T> T& Add() { return builder_.Add<T>(Next(), 0); }
    template <class T> T& Io(const std::string& address) {
        return builder_.Io<T>(address, Next(), 0);
    }
    void Link(TCustomDiagramBlock& from, int fromPin, TCustomDiagramBlock& to, int toPin) {
        builder_.Link(from, fromPin, to, toPin);
    }
    // A binary block fed by `a` and a constant input block, written to an output block.
    template <class Block, class In, class Out>
    Block& Binary(TCustomDiagramBlock& a, const std::string& constant, const std::string& out) {
        auto& b = Io<In>(constant);
        auto& block = Add<Block>();
        Link(a, 0, block, 0);
        Link(b, 0, block, 1);
        Link(block, 2, Io<Out>(out), 0);
        return block;
    }

private:
    double Next() { return x_ += 10; }
    DiagramBuilder builder_;
    double x_ = -10;
};

inline void BitLogic(ExampleSink& sink) {
    StandardRack(sink);
    Row row(sink.AddPage("BITS", FreeCycle));
    auto& toggle = row.Io<TbIN>("M0.0");
    auto& invert = row.Add<TbNOT>();
    row.Link(toggle, 0, invert, 0);
    row.Link(invert, 1, row.Io<TbOUT>("M0.0"), 0);
    auto& rising = row.Add<TbFP>();
    auto& falling = row.Add<TbFN>();
    row.Link(toggle, 0, rising, 0);
    row.Link(toggle, 0, falling, 0);
    auto& edges = row.Add<TpCOUNT>();
    row.Link(rising, 1, edges, 0);
    row.Link(edges, 6, row.Io<TiOUT>("MW2"), 0);
    auto& latch = row.Add<TbRS>();
    row.Link(falling, 1, latch, 0);
    row.Link(rising, 1, latch, 1);
    row.Link(latch, 2, row.Io<TbOUT>("M0.1"), 0);
    auto& all = row.Add<TbAND>();
    all.SetNum(3);
    row.Link(toggle, 0, all, 1);
    row.Link(row.Io<TbIN>("1"), 0, all, 2);
    row.Link(row.Io<TbIN>("I0.0"), 0, all, 3);
    row.Link(all, 0, row.Io<TbOUT>("M0.2"), 0);
    auto& any = row.Add<TbOR>();
    any.SetNum(4);
    row.Link(toggle, 0, any, 1);
    row.Link(row.Io<TbIN>("FALSE"), 0, any, 2);
    row.Link(any, 0, row.Io<TbOUT>("M0.3"), 0);
    auto& set = row.Io<TbOUT>("M0.4");
    set.ActionType = TbOUT::Set;
    auto& reset = row.Io<TbOUT>("M0.4");
    reset.ActionType = TbOUT::ResetBit;
    row.Link(rising, 1, set, 0);
    row.Link(falling, 1, reset, 0);
}

inline void IntegerArithmetic(ExampleSink& sink) {
    StandardRack(sink);
    Row row(sink.AddPage("INTS", FreeCycle));
    auto& total = row.Io<TiIN>("MD4");
    row.Binary<TiADD, TiIN, TiOUT>(total, "3", "MD4");
    row.Binary<TiSUBB, TiIN, TiOUT>(total, "100", "MD8");
    row.Binary<TiMULL, TiIN, TiOUT>(total, "-7", "MD12");
    row.Binary<TiDIV, TiIN, TiOUT>(total, "2", "MD16");
    row.Binary<TiSHL, TiIN, TiOUT>(total, "33", "MD20");
    auto& minusOne = row.Io<TiIN>("-1");
    row.Binary<TiSHR, TiIN, TiOUT>(minusOne, "28", "MD24");
    row.Binary<TiEQ, TiIN, TbOUT>(total, "30", "M1.0");
    row.Binary<TiGT, TiIN, TbOUT>(total, "30", "M1.1");
    row.Binary<TiLS, TiIN, TbOUT>(total, "30", "M1.2");
    auto& move = row.Add<TiMOVE>();
    row.Link(total, 0, move, 0);
    row.Link(move, 1, row.Io<TiOUT>("MW28"), 0);
}

inline void RealArithmetic(ExampleSink& sink) {
    StandardRack(sink);
    Row row(sink.AddPage("REALS", FreeCycle));
    auto& total = row.Io<TrIN>("MD40");
    row.Binary<TrADD, TrIN, TrOUT>(total, "0.25", "MD40");
    row.Binary<TrSUBB, TrIN, TrOUT>(total, "1.5", "MD44");
    row.Binary<TrMULL, TrIN, TrOUT>(total, "-2", "MD48");
    row.Binary<TrDIV, TrIN, TrOUT>(total, "0.5", "MD52");
    row.Binary<TrDIV, TrIN, TrOUT>(total, "0", "MD56");
    row.Binary<TrEQ, TrIN, TbOUT>(total, "2.5", "M2.0");
    row.Binary<TrGT, TrIN, TbOUT>(total, "2.5", "M2.1");
    row.Binary<TrLS, TrIN, TbOUT>(total, "2.5", "M2.2");
    auto& toReal = row.Add<TINT_TO_FLT>();
    row.Link(row.Io<TiIN>("7"), 0, toReal, 0);
    row.Link(toReal, 1, row.Io<TrOUT>("MD60"), 0);
    auto& toInteger = row.Add<TFLT_TO_INT>();
    row.Link(total, 0, toInteger, 0);
    row.Link(toInteger, 1, row.Io<TiOUT>("MD64"), 0);
    auto& move = row.Add<TrMOVE>();
    row.Link(total, 0, move, 0);
    row.Link(move, 1, row.Io<TrOUT>("MD68"), 0);
}

inline void ControlBlocks(ExampleSink& sink) {
    StandardRack(sink);
    Row row(sink.AddPage("CONTROL", FreeCycle));
    auto& toggle = row.Io<TbIN>("M3.0");
    auto& invert = row.Add<TbNOT>();
    row.Link(toggle, 0, invert, 0);
    row.Link(invert, 1, row.Io<TbOUT>("M3.0"), 0);
    for (int mode = TpTimer::SP; mode <= TpTimer::SF; ++mode) {
        auto& timer = row.Add<TpTimer>();
        timer.Mode = mode;
        row.Link(toggle, 0, timer, 0);
        row.Link(timer, 2, row.Io<TbOUT>("M3." + std::to_string(mode + 1)), 0);
    }
    auto& counter = row.Add<TpCOUNT>();
    row.Link(toggle, 0, counter, 0);
    row.Link(counter, 6, row.Io<TiOUT>("MW72"), 0);
    auto& preset = row.Add<TpCOUNT>();
    row.Link(row.Io<TbIN>("1"), 0, preset, 2);
    row.Link(row.Io<TiIN>("-5"), 0, preset, 3);
    row.Link(preset, 6, row.Io<TiOUT>("MW74"), 0);
    row.Link(preset, 5, row.Io<TbOUT>("M3.6"), 0);
    auto& square = row.Add<TpGEN>();
    row.Link(row.Io<TiIN>("1"), 0, square, 0);
    row.Link(row.Io<TiIN>("4"), 0, square, 1);
    row.Link(square, 2, row.Io<TrOUT>("MD76"), 0);
    auto& pid = row.Add<TpPID>();
    row.Link(row.Io<TrIN>("10"), 0, pid, TpPID::kSetpoint);
    row.Link(row.Io<TrIN>("4"), 0, pid, TpPID::kProcessValue);
    row.Link(row.Io<TrIN>("2"), 0, pid, TpPID::kGain);
    row.Link(row.Io<TrIN>("100"), 0, pid, TpPID::kHighLimit);
    row.Link(row.Io<TrIN>("-100"), 0, pid, TpPID::kLowLimit);
    row.Link(pid, TpPID::kOut, row.Io<TrOUT>("MD80"), 0);
    row.Link(pid, TpPID::kError, row.Io<TrOUT>("MD84"), 0);
    auto& gated = row.Add<TiADD>();
    gated.SetEN(true);
    row.Link(row.Io<TiIN>("5"), 0, gated, 0);
    row.Link(row.Io<TiIN>("6"), 0, gated, 1);
    row.Link(toggle, 0, gated, 3);
    row.Link(gated, 2, row.Io<TiOUT>("MW88"), 0);
    row.Link(gated, 4, row.Io<TbOUT>("M3.7"), 0);
}

} // namespace vexa::test
