#pragma once

#include "pin_value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// Two-digit pin type code: tens digit 1 input, 2 output; units digit 1 boolean, 2 integer,
// 3 real, 9 any type.
namespace PinCode {
inline constexpr int Input = 1, Output = 2;
inline constexpr int Boolean = 1, Integer = 2, Real = 3, Any = 9;
constexpr int Direction(int code) {
    return code / 10;
}
constexpr int Type(int code) {
    return code % 10;
}
} // namespace PinCode

enum class PinOrientation : std::uint8_t { aoLeft, aoRight };
enum class PinLinkConstraint : std::uint8_t { lcAll, lcNone };
enum class ArrowShape : std::uint8_t { asNone, asRectangle };

// The canvas restriction set.
enum Restriction : unsigned {
    crNoMove = 1u << 0,
    crNoResize = 1u << 1,
    crNoRotation = 1u << 2,
    crNoSelect = 1u << 3,
    crNoDelete = 1u << 4,
    crNoEdit = 1u << 5,
};
using RestrictionSet = unsigned;

struct Point {
    double X = 0.0;
    double Y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A connection point of a block. AnchorIndex carries the pin's type code.
struct TLinkPoint {
    double OrX = 0.0; // percent of the block's width
    double OrY = 0.0; // percent of the block's height
    PinOrientation Orientation = PinOrientation::aoLeft;
    int AnchorIndex = 0;
    PinLinkConstraint LinkConstraint = PinLinkConstraint::lcAll;
    std::string AnchorName;
    bool AnchorNameVisible = false;
    PinValue AnchorValue;

    bool IsInput() const { return PinCode::Direction(AnchorIndex) == PinCode::Input; }
    bool IsOutput() const { return PinCode::Direction(AnchorIndex) == PinCode::Output; }
};

class TatDiagram;

// The base of blocks and links.
class TDiagramControl {
public:
    TDiagramControl() = default;
    TDiagramControl(const TDiagramControl&) = delete;
    TDiagramControl& operator=(const TDiagramControl&) = delete;
    virtual ~TDiagramControl() = default;

    std::string Name;
    int RunMode = 0;
    bool InputEnabled = false;
    std::int64_t Tag = 0;
    RestrictionSet Restrictions = 0;
    bool Selected = false;
    bool Collapsed = false;

    bool EN() const { return en_; }
    // Stores a different value and raises OnENChange; the same value does nothing.
    void SetEN(bool value);
    std::function<void(TDiagramControl&)> OnENChange;

private:
    bool en_ = false;
};

class TCustomDiagramBlock : public TDiagramControl {
public:
    // The registered class name ("TbAND", "TpTimer").
    virtual std::string_view ClassName() const { return "TCustomDiagramBlock"; }
    // The control identifier the block was inserted with; empty means the class name.
    std::string DControlID;
    std::string Hint;

    double Left = 0.0;
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;
    double MinWidth = 0.0;
    double MinHeight = 0.0;
    int OrderNumber = 0;

    std::vector<TLinkPoint>& Pins() { return pins_; }
    const std::vector<TLinkPoint>& Pins() const { return pins_; }
    TLinkPoint* PinAt(int index);
    const TLinkPoint* PinAt(int index) const;
    TLinkPoint& AddPin(PinOrientation orientation, double orX, double orY);
    // The pin's position on the canvas, from its percent position inside the block.
    Point PinPosition(int index) const;

    bool ShowSymbol() const { return showSymbol_; }
    // A different value calls SymbolChanged, which input and output blocks use to refresh
    // their display text.
    void SetShowSymbol(bool value);

    virtual void DoubleClick() {}
    virtual void Execute() {}
    // Every pin's value becomes the integer 0.
    virtual void Reset();

protected:
    virtual void SymbolChanged() {}

private:
    std::vector<TLinkPoint> pins_;
    bool showSymbol_ = false;
};

inline void ResetBlock(TCustomDiagramBlock& block) {
    block.Reset();
}

// One end of a link: attached to the pin AnchorIndex of the block Anchor, or free.
struct LinkEnd {
    TCustomDiagramBlock* Anchor = nullptr;
    int AnchorIndex = -1;
    Point Position;
};

enum class LinkSide : std::uint8_t { Source, Target };

// A right-angled link from its source end (where drawing started) to its target end.
class TDiagramSideLine : public TDiagramControl {
public:
    static constexpr std::uint32_t kBlack = 0x000000;

    const LinkEnd& End(LinkSide side) const { return side == LinkSide::Source ? source_ : target_; }
    const LinkEnd& Source() const { return source_; }
    const LinkEnd& Target() const { return target_; }
    void SetEndPosition(LinkSide side, Point position);
    // The pin an end is attached to; null when the end is free or its pin no longer exists.
    TLinkPoint* EndPin(LinkSide side) const;

    std::uint32_t PenColor = kBlack; // 0xRRGGBB
    int PenWidth = 1;
    ArrowShape SourceArrow = ArrowShape::asNone;
    ArrowShape TargetArrow = ArrowShape::asNone;
    // Keeps both ends attached while blocks or the link are moved.
    bool FixedConnection = false;
    // Middle points of the route, from the source end towards the target end.
    std::vector<Point> RoutePoints;

private:
    friend class TatDiagram;
    LinkEnd& MutableEnd(LinkSide side) { return side == LinkSide::Source ? source_ : target_; }

    LinkEnd source_;
    LinkEnd target_;
};

// Events that run the function pages: 0 free cycle, 1 start-up, 2 100 ms, 3 1 s.
enum FunctionEvent : int { FreeCycle = 0, StartUp = 1, Every100ms = 2, Every1s = 3 };

inline constexpr const char* kLinkClassName = "TDiagramSideLine";

// One function page: its blocks and links, with the mechanics of attaching link ends. The
// connection rules decide through the events that the page raises.
class TatDiagram {
public:
    TatDiagram() = default;
    TatDiagram(const TatDiagram&) = delete;
    TatDiagram& operator=(const TatDiagram&) = delete;
    ~TatDiagram();

    const std::string& FCName() const { return fcName_; }
    const std::string& FCComment() const { return fcComment_; }
    int FCTypes() const { return fcTypes_; }
    // Each setter stores a different value and then raises OnChangeProperty.
    void SetFCName(const std::string& value);
    void SetFCComment(const std::string& value);
    void SetFCTypes(int value);
    std::function<void(TatDiagram&)> OnChangeProperty;

    // 0 nothing is being inserted, 1 a block, 2 a link.
    int InsertType() const { return insertType_; }
    void StartInsert(const std::string& className);
    void CancelInsert() { insertType_ = 0; }
    // Deletes every block and link without raising link events.
    void Clear();

    std::size_t BlockCount() const { return blocks_.size(); }
    TCustomDiagramBlock& Block(std::size_t index) const { return *blocks_[index]; }
    template <class T> T& AddBlock(std::unique_ptr<T> block) {
        T& added = *block;
        blocks_.push_back(std::move(block));
        return added;
    }
    // Deletes a block; the link ends attached to it become free.
    void DeleteBlock(TCustomDiagramBlock& block);

    std::size_t LinkCount() const { return links_.size(); }
    TDiagramSideLine& Link(std::size_t index) const { return *links_[index]; }
    // Adds a link whose ends are attached afterwards with AttachLinkEnd (loading a page).
    TDiagramSideLine& AddLink(std::unique_ptr<TDiagramSideLine> link);
    // Detaches both ends and deletes the link.
    void DeleteLink(TDiagramSideLine& link);

    // Attaches an end to a pin unless the pin is missing or takes no further link; raises the
    // link-end-attached event. An end that was attached elsewhere is detached first.
    bool AttachLinkEnd(TDiagramSideLine& link, LinkSide side, TCustomDiagramBlock& block,
                       int pinIndex);
    void DetachLinkEnd(TDiagramSideLine& link, LinkSide side);

    // The editor's finished link drawing from one pin to another: a new link starting at the
    // source pin, whose target end attaches only when the connection rules accept the pair.
    // The link is inserted in any case; a free end is removed by the next RemoveDanglingLinks.
    TDiagramSideLine& DrawLink(TCustomDiagramBlock& sourceBlock, int sourcePin,
                               TCustomDiagramBlock& targetBlock, int targetPin);

private:
    std::string fcName_ = "FC1";
    std::string fcComment_;
    int fcTypes_ = FreeCycle;
    int insertType_ = 0;
    std::vector<std::unique_ptr<TCustomDiagramBlock>> blocks_;
    std::vector<std::unique_ptr<TDiagramSideLine>> links_;
};

} // namespace vexa
