#pragma once

#include "diagram.h"

namespace vexa {

// The rules for joining pins, run on the page's link events.

// Accept-link: equal type digits and different directions, or either pin of any type (9).
// On accept both arrow shapes become none. A missing pin leaves the canvas's answer: accept.
bool AcceptLink(TDiagramSideLine& link, const TLinkPoint* source, const TLinkPoint* target);
// A link inserted with both ends on pins is marked as a fixed connection.
void LinkInserted(TDiagramSideLine& link);
// An input takes a single link; outputs feed any number.
void LinkEndAttached(TLinkPoint& pin);
void LinkEndDetached(TLinkPoint& pin);
// Deletes every link with an end that is not attached to an existing pin, in list order.
void RemoveDanglingLinks(TatDiagram& page);

} // namespace vexa
