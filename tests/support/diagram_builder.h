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
        block.Name = FreeName(std::string(block.ClassName()).substr(1));
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
        link.Name = FreeName("DiagramSideLine");
        if (link.Target().Anchor == nullptr) {
            throw std::logic_error("link refused: " + from.Name + " -> " + to.Name);
        }
    }

private:
    // Function name, "_", the stem and the first number no element of the page carries.
    std::string FreeName(const std::string& stem) const {
        for (int number = 1;; ++number) {
            const std::string name = page_.FCName() + "_" + stem + std::to_string(number);
            bool used = false;
            for (std::size_t i = 0; i < page_.BlockCount() && !used; ++i) {
                used = page_.Block(i).Name == name;
            }
            for (std::size_t i = 0; i < page_.LinkCount() && !used; ++i) {
                used = page_.Link(i).Name == name;
            }
            if (!used) {
                return name;
            }
        }
    }

    TatDiagram& page_;
    const BlockEnvironment& environment_;
};

} // namespace vexa::test
