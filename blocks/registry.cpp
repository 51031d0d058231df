#include "registry.h"

#include "arithmetic_blocks.h"
#include "bit_functions.h"
#include "counter.h"
#include "display_blocks.h"
#include "gates.h"
#include "generator.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "pid.h"
#include "text.h"
#include "timer.h"

#include <array>

namespace vexa {

namespace {

template <class T> std::unique_ptr<TCustomDiagramBlock> Make(const BlockEnvironment& environment) {
    return std::make_unique<T>(environment);
}

constexpr auto E = BlockCategory::Electric;
constexpr auto F = BlockCategory::FunctionBlock;

const auto kClasses = std::to_array<BlockClass>({
    {"TbIN", E, Make<TbIN>},
    {"TbOUT", E, Make<TbOUT>},
    {"TiIN", E, Make<TiIN>},
    {"TiOUT", E, Make<TiOUT>},
    {"TwIN", E, Make<TwIN>},
    {"TwOUT", E, Make<TwOUT>},
    {"TrIN", E, Make<TrIN>},
    {"TrOUT", E, Make<TrOUT>},
    {"TbAND", E, Make<TbAND>},
    {"TbOR", E, Make<TbOR>},
    {"TbNOT", E, Make<TbNOT>},
    {"TbFP", E, Make<TbFP>},
    {"TbFN", E, Make<TbFN>},
    {"TbRS", E, Make<TbRS>},
    {"TiADD", E, Make<TiADD>},
    {"TiSUBB", E, Make<TiSUBB>},
    {"TiMULL", E, Make<TiMULL>},
    {"TiDIV", E, Make<TiDIV>},
    {"TiEQ", E, Make<TiEQ>},
    {"TiGT", E, Make<TiGT>},
    {"TiLS", E, Make<TiLS>},
    {"TiMOVE", E, Make<TiMOVE>},
    {"TiSHR", E, Make<TiSHR>},
    {"TiSHL", E, Make<TiSHL>},
    {"TrADD", E, Make<TrADD>},
    {"TrSUBB", E, Make<TrSUBB>},
    {"TrMULL", E, Make<TrMULL>},
    {"TrDIV", E, Make<TrDIV>},
    {"TrEQ", E, Make<TrEQ>},
    {"TrGT", E, Make<TrGT>},
    {"TrLS", E, Make<TrLS>},
    {"TrMOVE", E, Make<TrMOVE>},
    {"TINT_TO_FLT", E, Make<TINT_TO_FLT>},
    {"TFLT_TO_INT", E, Make<TFLT_TO_INT>},
    {"TpTimer", F, Make<TpTimer>},
    {"TpCOUNT", F, Make<TpCOUNT>},
    {"TpGEN", F, Make<TpGEN>},
    {"TpPID", F, Make<TpPID>},
    {"TpDPL_STR", F, Make<TpDPL_STR>},
    {"TpDPL_INT", F, Make<TpDPL_INT>},
    {"TpDPL_REAL", F, Make<TpDPL_REAL>},
    {"TpDPL_WBUF", F, Make<TpDPL_WBUF>},
    {"TOscPen", F, Make<TOscPen>},
});

} // namespace

std::span<const BlockClass> BlockClasses() {
    return kClasses;
}

const BlockClass* FindBlockClass(std::string_view name) {
    for (const BlockClass& blockClass : kClasses) {
        if (EqualsIgnoringCase(blockClass.name, name)) {
            return &blockClass;
        }
    }
    return nullptr;
}

std::unique_ptr<TCustomDiagramBlock> CreateBlock(std::string_view name,
                                                 const BlockEnvironment& environment) {
    const BlockClass* blockClass = FindBlockClass(name);
    return blockClass == nullptr ? nullptr : blockClass->create(environment);
}

} // namespace vexa
