#include "diagram.h"

#include "connection_rules.h"

#include <algorithm>

namespace vexa {

void TDiagramControl::SetEN(bool value) {
    if (value == en_) {
        return;
    }
    en_ = value;
    if (OnENChange) {
        OnENChange(*this);
    }
}

TLinkPoint* TCustomDiagramBlock::PinAt(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < pins_.size() ? &pins_[index] : nullptr;
}

const TLinkPoint* TCustomDiagramBlock::PinAt(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < pins_.size() ? &pins_[index] : nullptr;
}

TLinkPoint& TCustomDiagramBlock::AddPin(PinOrientation orientation, double orX, double orY) {
    TLinkPoint& pin = pins_.emplace_back();
    pin.Orientation = orientation;
    pin.OrX = orX;
    pin.OrY = orY;
    return pin;
}

Point TCustomDiagramBlock::PinPosition(int index) const {
    const TLinkPoint* pin = PinAt(index);
    if (pin == nullptr) {
        return {Left, Top};
    }
    return {Left + pin->OrX * Width / 100.0, Top + pin->OrY * Height / 100.0};
}

void TCustomDiagramBlock::SetShowSymbol(bool value) {
    if (value == showSymbol_) {
        return;
    }
    showSymbol_ = value;
    SymbolChanged();
}

void TCustomDiagramBlock::Reset() {
    for (TLinkPoint& pin : pins_) {
        pin.AnchorValue = PinValue::ResetZero();
    }
}

void TDiagramSideLine::SetEndPosition(LinkSide side, Point position) {
    MutableEnd(side).Position = position;
}

TLinkPoint* TDiagramSideLine::EndPin(LinkSide side) const {
    const LinkEnd& end = End(side);
    return end.Anchor == nullptr ? nullptr : end.Anchor->PinAt(end.AnchorIndex);
}

// Destroying a page raises no link events.
TatDiagram::~TatDiagram() = default;

void TatDiagram::SetFCName(const std::string& value) {
    if (value != fcName_) {
        fcName_ = value;
        if (OnChangeProperty) {
            OnChangeProperty(*this);
        }
    }
}

void TatDiagram::SetFCComment(const std::string& value) {
    if (value != fcComment_) {
        fcComment_ = value;
        if (OnChangeProperty) {
            OnChangeProperty(*this);
        }
    }
}

void TatDiagram::SetFCTypes(int value) {
    if (value != fcTypes_) {
        fcTypes_ = value;
        if (OnChangeProperty) {
            OnChangeProperty(*this);
        }
    }
}

void TatDiagram::StartInsert(const std::string& className) {
    insertType_ = className == kLinkClassName ? 2 : 1;
}

void TatDiagram::Clear() {
    links_.clear();
    blocks_.clear();
    insertType_ = 0;
}

void TatDiagram::DeleteBlock(TCustomDiagramBlock& block) {
    for (const auto& link : links_) {
        for (LinkSide side : {LinkSide::Source, LinkSide::Target}) {
            if (link->End(side).Anchor == &block) {
                DetachLinkEnd(*link, side);
            }
        }
    }
    std::erase_if(blocks_, [&](const auto& b) { return b.get() == &block; });
}

TDiagramSideLine& TatDiagram::AddLink(std::unique_ptr<TDiagramSideLine> link) {
    return *links_.emplace_back(std::move(link));
}

void TatDiagram::DeleteLink(TDiagramSideLine& link) {
    DetachLinkEnd(link, LinkSide::Source);
    DetachLinkEnd(link, LinkSide::Target);
    std::erase_if(links_, [&](const auto& l) { return l.get() == &link; });
}

bool TatDiagram::AttachLinkEnd(TDiagramSideLine& link, LinkSide side, TCustomDiagramBlock& block,
                               int pinIndex) {
    TLinkPoint* pin = block.PinAt(pinIndex);
    if (pin == nullptr || pin->LinkConstraint == PinLinkConstraint::lcNone) {
        return false;
    }
    DetachLinkEnd(link, side);
    LinkEnd& end = link.MutableEnd(side);
    end.Anchor = &block;
    end.AnchorIndex = pinIndex;
    end.Position = block.PinPosition(pinIndex);
    LinkEndAttached(*pin);
    return true;
}

void TatDiagram::DetachLinkEnd(TDiagramSideLine& link, LinkSide side) {
    LinkEnd& end = link.MutableEnd(side);
    if (end.Anchor == nullptr) {
        return;
    }
    if (TLinkPoint* pin = end.Anchor->PinAt(end.AnchorIndex)) {
        LinkEndDetached(*pin);
    }
    end.Anchor = nullptr;
    end.AnchorIndex = -1;
}

TDiagramSideLine& TatDiagram::DrawLink(TCustomDiagramBlock& sourceBlock, int sourcePin,
                                       TCustomDiagramBlock& targetBlock, int targetPin) {
    TDiagramSideLine& link = AddLink(std::make_unique<TDiagramSideLine>());
    link.SetEndPosition(LinkSide::Source, sourceBlock.PinPosition(sourcePin));
    link.SetEndPosition(LinkSide::Target, targetBlock.PinPosition(targetPin));
    if (AttachLinkEnd(link, LinkSide::Source, sourceBlock, sourcePin) &&
        AcceptLink(link, sourceBlock.PinAt(sourcePin), targetBlock.PinAt(targetPin))) {
        AttachLinkEnd(link, LinkSide::Target, targetBlock, targetPin);
    }
    LinkInserted(link);
    return link;
}

} // namespace vexa
