#pragma once

#include "address_blocks.h"
#include "block_environment.h"
#include "diagram.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace vexa::test {

// Places blocks on a page and links their pins the way the editor does, so that a test reads
// like the diagram it builds.
class DiagramBuilder {
public:
    DiagramBuilder(TatDiagram& page, const BlockEnvironment& environment)
        : page_(page), environment_(environment) {}

    template <class T> T& Add(double left, double top) {
        T& block = page_.AddBlock(std::make_unique<T>(environment_));
        block.Left = left;
        block.Top = top;
        block.Name = page_.FCName() + "_" + std::string(block.ClassName()).substr(1) +
                     std::to_string(page_.BlockCount());
        return block;
    }

    // An input or output block on an address or constant.
    template <class T> T& Io(const std::string& address, double left, double top) {
        T& block = Add<T>(left, top);
        block.StrAddress = address;
        return block;
    }

    // Links an output pin to an input pin; a link the rules refuse is a mistake in the test.
    void Link(TCustomDiagramBlock& from, int fromPin, TCustomDiagramBlock& to, int toPin) {
        TDiagramSideLine& link = page_.DrawLink(from, fromPin, to, toPin);
        if (link.Target().Anchor == nullptr) {
            throw std::logic_error("link refused: " + from.Name + " -> " + to.Name);
        }
    }

private:
    TatDiagram& page_;
    const BlockEnvironment& environment_;
};

} // namespace vexa::test
