#include "connection_rules.h"

#include <vector>

namespace vexa {

bool AcceptLink(TDiagramSideLine& link, const TLinkPoint* source, const TLinkPoint* target) {
    if (source == nullptr || target == nullptr) {
        return true;
    }
    const int a = source->AnchorIndex;
    const int b = target->AnchorIndex;
    const bool anyType = PinCode::Type(a) == PinCode::Any || PinCode::Type(b) == PinCode::Any;
    const bool accept = anyType || (PinCode::Type(a) == PinCode::Type(b) &&
                                    PinCode::Direction(a) != PinCode::Direction(b));
    if (accept) {
        link.SourceArrow = ArrowShape::asNone;
        link.TargetArrow = ArrowShape::asNone;
    }
    return accept;
}

void LinkInserted(TDiagramSideLine& link) {
    if (link.Source().Anchor != nullptr && link.Target().Anchor != nullptr) {
        link.FixedConnection = true;
    }
}

void LinkEndAttached(TLinkPoint& pin) {
    if (pin.IsInput()) {
        pin.LinkConstraint = PinLinkConstraint::lcNone;
    }
}

void LinkEndDetached(TLinkPoint& pin) {
    pin.LinkConstraint = PinLinkConstraint::lcAll;
}

// Deleting a link changes no other link's ends, so one walk finds what repeated walks from the
// first link would.
void RemoveDanglingLinks(TatDiagram& page) {
    std::vector<TDiagramSideLine*> dangling;
    for (std::size_t i = 0; i < page.LinkCount(); ++i) {
        TDiagramSideLine& link = page.Link(i);
        if (link.EndPin(LinkSide::Target) == nullptr || link.EndPin(LinkSide::Source) == nullptr) {
            dangling.push_back(&link);
        }
    }
    for (TDiagramSideLine* link : dangling) {
        page.DeleteLink(*link);
    }
}

} // namespace vexa
