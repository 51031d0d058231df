#include "function_emitter.h"

#include "address.h"
#include "address_blocks.h"
#include "execution_order.h"
#include "gates.h"
#include "number_format.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "timer.h"

#include <algorithm>

namespace vexa {

namespace {

std::string Call(const TCustomDiagramBlock& block, const std::string& operands,
                 const char* indent = "    ") {
    return indent + ("f" + ControlIdentifier(block)) + "(&" + block.Name + operands + ");";
}

std::string EnableLine(const TCustomDiagramBlock& block) {
    return "    " + block.Name + ".useEN=" + (block.EN() ? "-1" : "0") + ";";
}

std::string Operands(std::initializer_list<long long> values) {
    std::string text;
    for (long long value : values) {
        text += "," + std::to_string(value);
    }
    return text;
}

long long AreaCode(Area area) {
    return static_cast<long long>(area);
}

void BlockLines(const TCustomDiagramBlock& block, std::vector<std::string>& lines) {
    const std::string_view cls = block.ClassName();
    if (const auto* gate = dynamic_cast<const TGate*>(&block)) {
        lines.push_back(Call(block, Operands({gate->Num()}), "     "));
        return;
    }
    const auto* io = dynamic_cast<const TAddressBlock*>(&block);
    if (cls == "TbIN" || cls == "TbOUT") {
        const BitAddress parsed = ParseBitAddress(io->StrAddress);
        if (parsed.result == ParseResult::Address) {
            std::string text = Operands({AreaCode(parsed.area), parsed.byte, parsed.bit});
            if (cls == "TbOUT") {
                text += "," + std::to_string(dynamic_cast<const TbOUT&>(block).ActionType);
            }
            lines.push_back(Call(block, text));
        } else if (parsed.result == ParseResult::Constant && cls == "TbIN") {
            lines.push_back("    " + block.Name + ".OUT=" + (parsed.constant ? "True" : "False") +
                            ";");
        }
        return;
    }
    if (cls == "TiIN" || cls == "TiOUT") {
        if (cls == "TiOUT") {
            lines.push_back(EnableLine(block));
        }
        const NumericAddress parsed = ParseNumericAddress(io->StrAddress);
        if (parsed.result == ParseResult::Address) {
            lines.push_back(
                Call(block, Operands({AreaCode(parsed.area), parsed.byte, parsed.width})));
        } else if (parsed.result == ParseResult::Constant && cls == "TiIN") {
            lines.push_back("    " + block.Name + ".OUT=" + std::to_string(parsed.constant) + ";");
        }
        return;
    }
    if (cls == "TrIN" || cls == "TrOUT") {
        if (cls == "TrOUT") {
            lines.push_back(EnableLine(block));
        }
        const RealAddress parsed = ParseRealAddress(io->StrAddress);
        if (parsed.result == ParseResult::Address) {
            lines.push_back(Call(block, Operands({AreaCode(parsed.area), parsed.byte})));
        } else if (parsed.result == ParseResult::Constant && cls == "TrIN") {
            lines.push_back("    " + block.Name +
                            ".OUT=" + FormatGeneral(static_cast<double>(parsed.constant)) + ";");
        }
        return;
    }
    lines.push_back(EnableLine(block));
    if (const auto* timer = dynamic_cast<const TpTimer*>(&block)) {
        lines.push_back(Call(block, Operands({timer->Mode})));
    } else {
        lines.push_back(Call(block, ""));
    }
}

bool IsPen(const TCustomDiagramBlock* block) {
    return dynamic_cast<const TOscPen*>(block);
}

bool IsNumericOutput(const TCustomDiagramBlock& block) {
    return block.ClassName() == "TiOUT" || block.ClassName() == "TrOUT";
}

void CopyLine(const TCustomDiagramBlock& block, const TLinkPoint& out,
              const TCustomDiagramBlock& other, const TLinkPoint& in,
              std::vector<std::string>& lines) {
    if (IsPen(&block) || IsPen(&other)) {
        return;
    }
    lines.push_back("    " + other.Name + "." + in.AnchorName + "=" + block.Name + "." +
                    out.AnchorName + ";");
    if (IsNumericOutput(other)) {
        lines.push_back("    " + other.Name + ".EN=" + (block.EN() ? block.Name + ".ENO" : "1") +
                        ";");
    }
}

// A link counts for each of its ends that sits on an output pin of this block.
void LinkLines(const TatDiagram& page, const TCustomDiagramBlock& block,
               std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < page.LinkCount(); ++i) {
        const TDiagramSideLine& link = page.Link(i);
        const TLinkPoint* source = link.EndPin(LinkSide::Source);
        const TLinkPoint* target = link.EndPin(LinkSide::Target);
        if (source == nullptr || target == nullptr) {
            continue;
        }
        if (link.Source().Anchor == &block && source->IsOutput()) {
            CopyLine(block, *source, *link.Target().Anchor, *target, lines);
        }
        if (link.Target().Anchor == &block && target->IsOutput()) {
            CopyLine(block, *target, *link.Source().Anchor, *source, lines);
        }
    }
}

} // namespace

std::string ControlIdentifier(const TCustomDiagramBlock& block) {
    return block.DControlID.empty() ? std::string(block.ClassName()) : block.DControlID;
}

std::vector<std::string> EmitFunctionBody(const TatDiagram& page) {
    std::vector<std::int64_t> tags;
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        tags.push_back(page.Block(i).Tag);
    }
    std::sort(tags.begin(), tags.end());
    std::vector<std::string> lines;
    for (std::int64_t tag : tags) {
        const TCustomDiagramBlock* block = BlockByTag(page, tag);
        if (IsPen(block)) {
            continue;
        }
        BlockLines(*block, lines);
        LinkLines(page, *block, lines);
    }
    return lines;
}

} // namespace vexa
