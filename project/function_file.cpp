#include "function_file.h"

#include "address_blocks.h"
#include "function_block.h"
#include "gates.h"
#include "object_notation.h"
#include "osc_pen.h"
#include "registry.h"
#include "text.h"
#include "text_file.h"
#include "timer.h"

#include <limits>
#include <map>

namespace vexa {

namespace {

constexpr const char* kRootClass = "TatDiagram";

// Characters the code page cannot hold are written as #nnn codes, so nothing is lost.
bool UnsafeInCodePage(char32_t code) {
    return !InCodePage(code);
}

std::string Quote(std::string_view text) {
    return QuoteNotationString(text, UnsafeInCodePage);
}

const char* Boolean(bool value) {
    return value ? "True" : "False";
}

class OutlineWriter {
public:
    void Line(int depth, const std::string& text) {
        out_.append(static_cast<std::size_t>(depth) * 2, ' ');
        out_ += text;
        out_ += "\r\n";
    }
    void Property(int depth, std::string_view name, const std::string& value) {
        Line(depth, std::string(name) + " = " + value);
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

std::string ObjectHeader(const std::string& name, std::string_view className) {
    return name.empty() ? "object " + std::string(className)
                        : "object " + name + ": " + std::string(className);
}

std::string PinValueNotation(const PinValue& value) {
    switch (value.kind()) {
    case PinValue::Kind::Boolean:
        return Boolean(value.BooleanValue());
    case PinValue::Kind::Integer:
        return std::to_string(value.IntegerValue());
    case PinValue::Kind::Real:
        return FormatNotationReal(value.RealValue());
    case PinValue::Kind::Empty:
        break;
    }
    return {};
}

void WriteBlock(OutlineWriter& out, const TCustomDiagramBlock& block) {
    out.Line(1, ObjectHeader(block.Name, block.ClassName()));
    if (block.Tag != 0) {
        out.Property(2, "Tag", std::to_string(block.Tag));
    }
    out.Property(2, "EN", Boolean(block.EN()));
    out.Property(2, "Left", FormatNotationNumber(block.Left));
    out.Property(2, "Top", FormatNotationNumber(block.Top));
    out.Property(2, "Width", FormatNotationNumber(block.Width));
    out.Property(2, "Height", FormatNotationNumber(block.Height));
    if (const auto* function = dynamic_cast<const TFunction*>(&block)) {
        out.Property(2, "FunName", Quote(function->FunName()));
    }
    if (const auto* io = dynamic_cast<const TAddressBlock*>(&block);
        io && !io->StrAddress.empty()) {
        out.Property(2, "StrAddress", Quote(io->StrAddress));
    }
    if (const auto* output = dynamic_cast<const TbOUT*>(&block)) {
        out.Property(2, "ActionType", std::to_string(output->ActionType));
    }
    if (const auto* gate = dynamic_cast<const TGate*>(&block)) {
        out.Property(2, "Num", std::to_string(gate->Num()));
    }
    if (const auto* timer = dynamic_cast<const TpTimer*>(&block)) {
        out.Property(2, "Mode", std::to_string(timer->Mode));
    }
    if (const auto* pen = dynamic_cast<const TOscPen*>(&block)) {
        out.Property(2, "PenIndex", std::to_string(pen->PenIndex));
        if (!pen->Value.IsEmpty()) {
            out.Property(2, "Value", PinValueNotation(pen->Value));
        }
    }
    if (!block.DControlID.empty() && block.DControlID != block.ClassName()) {
        out.Property(2, "DControlID", Quote(block.DControlID));
    }
    out.Property(2, "Collapsed", Boolean(block.Collapsed));
    out.Line(1, "end");
}

void WriteLinkPoint(OutlineWriter& out, Point position, const LinkEnd* end, bool last) {
    out.Line(3, "item");
    out.Property(4, "X", FormatNotationNumber(position.X));
    out.Property(4, "Y", FormatNotationNumber(position.Y));
    if (end != nullptr && end->Anchor != nullptr) {
        out.Property(4, "Anchor", end->Anchor->Name);
        out.Property(4, "AnchorIndex", std::to_string(end->AnchorIndex));
    }
    out.Line(3, last ? "end>" : "end");
}

// An attached end is written at its pin's current place.
Point EndPosition(const LinkEnd& end) {
    return end.Anchor != nullptr ? end.Anchor->PinPosition(end.AnchorIndex) : end.Position;
}

void WriteLink(OutlineWriter& out, const TDiagramSideLine& link) {
    out.Line(1, ObjectHeader(link.Name, kLinkClassName));
    if (link.Tag != 0) {
        out.Property(2, "Tag", std::to_string(link.Tag));
    }
    out.Property(2, "EN", Boolean(link.EN()));
    out.Line(2, "LinkPoints = <");
    WriteLinkPoint(out, EndPosition(link.Source()), &link.Source(), false);
    for (const Point& point : link.RoutePoints) {
        WriteLinkPoint(out, point, nullptr, false);
    }
    WriteLinkPoint(out, EndPosition(link.Target()), &link.Target(), true);
    if (link.SourceArrow != ArrowShape::asNone) {
        out.Property(2, "SourceArrow", "asRectangle");
    }
    if (link.TargetArrow != ArrowShape::asNone) {
        out.Property(2, "TargetArrow", "asRectangle");
    }
    out.Property(2, "Collapsed", Boolean(link.Collapsed));
    out.Line(1, "end");
}

// --- reading ---

[[noreturn]] void Fail(int line, const std::string& what) {
    throw FunctionFileError("Line " + std::to_string(line) + ": " + what);
}

std::int64_t IntegerOf(const NotationProperty& property) {
    if (property.value.kind != NotationValue::Kind::Integer) {
        Fail(property.line, property.name + " must be an integer");
    }
    return property.value.integer;
}

int SmallIntegerOf(const NotationProperty& property) {
    const std::int64_t value = IntegerOf(property);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        Fail(property.line, property.name + " is out of range");
    }
    return static_cast<int>(value);
}

double NumberOf(const NotationProperty& property) {
    if (property.value.kind == NotationValue::Kind::Real) {
        return property.value.real;
    }
    return static_cast<double>(IntegerOf(property));
}

bool BooleanOf(const NotationProperty& property) {
    if (property.value.kind == NotationValue::Kind::Identifier) {
        if (EqualsIgnoringCase(property.value.text, "True")) {
            return true;
        }
        if (EqualsIgnoringCase(property.value.text, "False")) {
            return false;
        }
    }
    Fail(property.line, property.name + " must be True or False");
}

const std::string& StringOf(const NotationProperty& property) {
    if (property.value.kind != NotationValue::Kind::String) {
        Fail(property.line, property.name + " must be a string");
    }
    return property.value.text;
}

ArrowShape ArrowOf(const NotationProperty& property) {
    if (property.value.kind == NotationValue::Kind::Identifier) {
        if (EqualsIgnoringCase(property.value.text, "asNone")) {
            return ArrowShape::asNone;
        }
        if (EqualsIgnoringCase(property.value.text, "asRectangle")) {
            return ArrowShape::asRectangle;
        }
    }
    Fail(property.line, property.name + " must be asNone or asRectangle");
}

PinValue PinValueOf(const NotationProperty& property) {
    switch (property.value.kind) {
    case NotationValue::Kind::Integer: {
        const std::int64_t value = property.value.integer;
        const bool fits = value >= std::numeric_limits<std::int32_t>::min() &&
                          value <= std::numeric_limits<std::int32_t>::max();
        return PinValue::Integer(value, fits ? IntWidth::S32 : IntWidth::S64);
    }
    case NotationValue::Kind::Real:
        return PinValue::Real(property.value.real);
    case NotationValue::Kind::Identifier:
        return PinValue::Boolean(BooleanOf(property));
    default:
        Fail(property.line, "Value must be a number or a boolean");
    }
}

// The properties every control has; false when the name is none of them.
bool ApplyControlProperty(TDiagramControl& control, const NotationProperty& property) {
    const std::string& name = property.name;
    if (EqualsIgnoringCase(name, "Tag")) {
        control.Tag = IntegerOf(property);
    } else if (EqualsIgnoringCase(name, "EN")) {
        control.SetEN(BooleanOf(property));
    } else if (EqualsIgnoringCase(name, "Collapsed")) {
        control.Collapsed = BooleanOf(property);
    } else {
        return false;
    }
    return true;
}

bool ApplyBlockProperty(TCustomDiagramBlock& block, const NotationProperty& property) {
    const std::string& name = property.name;
    if (EqualsIgnoringCase(name, "Left")) {
        block.Left = NumberOf(property);
    } else if (EqualsIgnoringCase(name, "Top")) {
        block.Top = NumberOf(property);
    } else if (EqualsIgnoringCase(name, "Width")) {
        block.Width = NumberOf(property);
    } else if (EqualsIgnoringCase(name, "Height")) {
        block.Height = NumberOf(property);
    } else if (EqualsIgnoringCase(name, "DControlID")) {
        block.DControlID = StringOf(property);
    } else if (EqualsIgnoringCase(name, "FunName") && dynamic_cast<TFunction*>(&block)) {
        StringOf(property); // the class decides its catalogue entry
    } else if (auto* io = dynamic_cast<TAddressBlock*>(&block);
               io && EqualsIgnoringCase(name, "StrAddress")) {
        io->StrAddress = StringOf(property);
    } else if (auto* output = dynamic_cast<TbOUT*>(&block);
               output && EqualsIgnoringCase(name, "ActionType")) {
        output->ActionType = SmallIntegerOf(property);
    } else if (auto* gate = dynamic_cast<TGate*>(&block); gate && EqualsIgnoringCase(name, "Num")) {
        gate->SetNum(SmallIntegerOf(property));
    } else if (auto* timer = dynamic_cast<TpTimer*>(&block);
               timer && EqualsIgnoringCase(name, "Mode")) {
        timer->Mode = SmallIntegerOf(property);
    } else if (auto* pen = dynamic_cast<TOscPen*>(&block);
               pen && EqualsIgnoringCase(name, "PenIndex")) {
        pen->PenIndex = SmallIntegerOf(property);
    } else if (auto* probe = dynamic_cast<TOscPen*>(&block);
               probe && EqualsIgnoringCase(name, "Value")) {
        probe->Value = PinValueOf(property);
    } else {
        return ApplyControlProperty(block, property);
    }
    return true;
}

struct PendingEnd {
    std::string anchor;
    int anchorIndex = -1;
    Point position;
    int line = 0;
};

std::vector<PendingEnd> LinkPointsOf(const NotationProperty& property) {
    if (property.value.kind != NotationValue::Kind::Items || property.value.items.size() < 2) {
        Fail(property.line, "LinkPoints must hold at least two points");
    }
    std::vector<PendingEnd> points;
    for (const auto& item : property.value.items) {
        PendingEnd point;
        point.line = property.line;
        for (const NotationProperty& field : item) {
            point.line = field.line;
            if (EqualsIgnoringCase(field.name, "X")) {
                point.position.X = NumberOf(field);
            } else if (EqualsIgnoringCase(field.name, "Y")) {
                point.position.Y = NumberOf(field);
            } else if (EqualsIgnoringCase(field.name, "Anchor")) {
                if (field.value.kind != NotationValue::Kind::Identifier) {
                    Fail(field.line, "Anchor must name a block");
                }
                point.anchor = field.value.text;
            } else if (EqualsIgnoringCase(field.name, "AnchorIndex")) {
                point.anchorIndex = SmallIntegerOf(field);
            } else {
                Fail(field.line, "unknown link point property " + field.name);
            }
        }
        points.push_back(std::move(point));
    }
    return points;
}

class PageReader {
public:
    PageReader(const BlockEnvironment& environment, const std::set<std::string>& namesInUse)
        : environment_(environment), namesInUse_(namesInUse) {}

    std::unique_ptr<TatDiagram> Read(const NotationObject& root) {
        if (!EqualsIgnoringCase(root.className, kRootClass)) {
            Fail(root.line, "a function file starts with object TatDiagram");
        }
        // A name that is not written is empty, not the canvas's default.
        auto page = std::make_unique<TatDiagram>();
        page->SetFCName("");
        for (const NotationProperty& property : root.properties) {
            if (EqualsIgnoringCase(property.name, "FCName")) {
                page->SetFCName(StringOf(property));
            } else if (EqualsIgnoringCase(property.name, "FCComment")) {
                page->SetFCComment(StringOf(property));
            } else if (EqualsIgnoringCase(property.name, "FCTypes")) {
                page->SetFCTypes(SmallIntegerOf(property));
            } else if (EqualsIgnoringCase(property.name, "InsertType")) {
                SmallIntegerOf(property); // editor state: a loaded page inserts nothing
            }
        }
        for (const NotationObject& child : root.children) {
            ClaimName(child);
            if (EqualsIgnoringCase(child.className, kLinkClassName)) {
                links_.push_back(&child);
            } else {
                ReadBlock(*page, child);
            }
        }
        for (const NotationObject* link : links_) {
            ReadLink(*page, *link);
        }
        return page;
    }

private:
    void ClaimName(const NotationObject& object) {
        if (object.name.empty()) {
            return;
        }
        if (namesInUse_.contains(object.name) || !names_.insert(object.name).second) {
            Fail(object.line, "a component named " + object.name + " already exists");
        }
    }

    void ReadBlock(TatDiagram& page, const NotationObject& object) {
        auto created = CreateBlock(object.className, environment_);
        if (created == nullptr) {
            Fail(object.line, "class " + object.className + " is not registered");
        }
        TCustomDiagramBlock& block = page.AddBlock(std::move(created));
        block.Name = object.name;
        for (const NotationProperty& property : object.properties) {
            if (!ApplyBlockProperty(block, property)) {
                Fail(property.line, "property " + property.name + " does not exist in " +
                                        std::string(block.ClassName()));
            }
        }
        if (!object.children.empty()) {
            Fail(object.children.front().line, "a block holds no objects");
        }
        if (!block.Name.empty()) {
            blocks_[block.Name] = &block;
        }
    }

    void ReadLink(TatDiagram& page, const NotationObject& object) {
        auto& link = page.AddLink(std::make_unique<TDiagramSideLine>());
        link.Name = object.name;
        std::vector<PendingEnd> points;
        for (const NotationProperty& property : object.properties) {
            if (EqualsIgnoringCase(property.name, "LinkPoints")) {
                points = LinkPointsOf(property);
            } else if (EqualsIgnoringCase(property.name, "SourceArrow")) {
                link.SourceArrow = ArrowOf(property);
            } else if (EqualsIgnoringCase(property.name, "TargetArrow")) {
                link.TargetArrow = ArrowOf(property);
            } else if (!ApplyControlProperty(link, property)) {
                Fail(property.line,
                     "property " + property.name + " does not exist in " + kLinkClassName);
            }
        }
        if (points.empty()) {
            Fail(object.line, "a link needs its LinkPoints");
        }
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            link.RoutePoints.push_back(points[i].position);
        }
        Attach(page, link, LinkSide::Source, points.front());
        Attach(page, link, LinkSide::Target, points.back());
    }

    // An end whose pin is missing or already taken stays free; the editor's next clean-up
    // removes such a link.
    void Attach(TatDiagram& page, TDiagramSideLine& link, LinkSide side, const PendingEnd& end) {
        link.SetEndPosition(side, end.position);
        if (end.anchor.empty()) {
            return;
        }
        const auto block = blocks_.find(end.anchor);
        if (block == blocks_.end()) {
            Fail(end.line, "Anchor " + end.anchor + " names no block of this function");
        }
        page.AttachLinkEnd(link, side, *block->second, end.anchorIndex);
    }

    const BlockEnvironment& environment_;
    const std::set<std::string>& namesInUse_;
    std::set<std::string> names_;
    std::map<std::string, TCustomDiagramBlock*> blocks_;
    std::vector<const NotationObject*> links_;
};

} // namespace

std::string FunctionFileText(const TatDiagram& page) {
    OutlineWriter out;
    out.Line(0, std::string("object ") + kRootClass);
    if (!page.FCName().empty()) {
        out.Property(1, "FCName", Quote(page.FCName()));
    }
    if (!page.FCComment().empty()) {
        out.Property(1, "FCComment", Quote(page.FCComment()));
    }
    out.Property(1, "FCTypes", std::to_string(page.FCTypes()));
    out.Property(1, "InsertType", std::to_string(page.InsertType()));
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        WriteBlock(out, page.Block(i));
    }
    for (std::size_t i = 0; i < page.LinkCount(); ++i) {
        WriteLink(out, page.Link(i));
    }
    out.Line(0, "end");
    return out.Take();
}

std::unique_ptr<TatDiagram> ReadFunctionText(std::string_view text,
                                             const BlockEnvironment& environment,
                                             const std::set<std::string>& namesInUse) {
    NotationObject root;
    try {
        root = ParseObjectNotation(text);
    } catch (const NotationError& error) {
        throw FunctionFileError(error.what());
    }
    return PageReader(environment, namesInUse).Read(root);
}

void SaveFunctionFile(const TatDiagram& page, const std::filesystem::path& path) {
    WriteFileAtomic(path, Utf8ToCp1251(FunctionFileText(page)));
}

std::unique_ptr<TatDiagram> LoadFunctionFile(const std::filesystem::path& path,
                                             const BlockEnvironment& environment,
                                             const std::set<std::string>& namesInUse) {
    return ReadFunctionText(Cp1251ToUtf8(ReadFileBytes(path)), environment, namesInUse);
}

} // namespace vexa
