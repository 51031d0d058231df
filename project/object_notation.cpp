#include "object_notation.h"

#include "text_file.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace vexa {

namespace {

bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentifierChar(char c) {
    return IsIdentifierStart(c) || (c >= '0' && c <= '9') || c == '.';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool EqualsWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 32) : a[i];
        const char y = (b[i] >= 'a' && b[i] <= 'z') ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    NotationObject Root() {
        SkipSpace();
        NotationObject root = Object();
        SkipSpace();
        if (pos_ < text_.size()) {
            Fail("text after the end of the object");
        }
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw NotationError("Line " + std::to_string(line_) + ": " + what);
    }

    void SkipSpace() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++pos_;
        }
    }

    bool AtEnd() {
        SkipSpace();
        return pos_ >= text_.size();
    }

    char Peek() {
        if (AtEnd()) {
            Fail("unexpected end of file");
        }
        return text_[pos_];
    }

    void Expect(char c) {
        if (Peek() != c) {
            Fail(std::string("'") + c + "' expected");
        }
        ++pos_;
    }

    std::string Identifier() {
        if (!IsIdentifierStart(Peek())) {
            Fail("identifier expected");
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    bool NextWordIs(std::string_view word) {
        if (AtEnd() || !IsIdentifierStart(text_[pos_])) {
            return false;
        }
        std::size_t end = pos_;
        while (end < text_.size() && IsIdentifierChar(text_[end])) {
            ++end;
        }
        return EqualsWord(text_.substr(pos_, end - pos_), word);
    }

    bool AtObjectStart() {
        return NextWordIs("object") || NextWordIs("inherited") || NextWordIs("inline");
    }

    NotationObject Object() {
        if (!AtObjectStart()) {
            Fail("'object' expected");
        }
        NotationObject object;
        object.line = line_;
        Identifier();
        const std::string first = Identifier();
        if (Peek() == ':') {
            ++pos_;
            object.name = first;
            object.className = Identifier();
        } else {
            object.className = first;
        }
        if (Peek() == '[') { // the position index of an inherited child
            ++pos_;
            Number();
            Expect(']');
        }
        while (!NextWordIs("end")) {
            if (AtObjectStart()) {
                object.children.push_back(Object());
            } else {
                object.properties.push_back(Property());
            }
        }
        Identifier();
        return object;
    }

    NotationProperty Property() {
        NotationProperty property;
        property.line = line_;
        property.name = Identifier();
        Expect('=');
        property.value = Value();
        return property;
    }

    NotationValue Value() {
        const char c = Peek();
        if (c == '\'' || c == '#') {
            return String();
        }
        if (IsDigit(c) || c == '-' || c == '+' || c == '$') {
            return Number();
        }
        if (IsIdentifierStart(c)) {
            NotationValue value;
            value.kind = NotationValue::Kind::Identifier;
            value.text = Identifier();
            return value;
        }
        NotationValue value;
        switch (c) {
        case '[':
            ++pos_;
            value.kind = NotationValue::Kind::Set;
            while (Peek() != ']') {
                value.elements.push_back(Value());
                if (Peek() == ',') {
                    ++pos_;
                }
            }
            ++pos_;
            return value;
        case '(':
            ++pos_;
            value.kind = NotationValue::Kind::List;
            while (Peek() != ')') {
                value.elements.push_back(Value());
            }
            ++pos_;
            return value;
        case '<':
            ++pos_;
            value.kind = NotationValue::Kind::Items;
            while (Peek() != '>') {
                if (!NextWordIs("item")) {
                    Fail("'item' expected");
                }
                Identifier();
                std::vector<NotationProperty> item;
                while (!NextWordIs("end")) {
                    item.push_back(Property());
                }
                Identifier();
                value.items.push_back(std::move(item));
            }
            ++pos_;
            return value;
        case '{':
            ++pos_;
            value.kind = NotationValue::Kind::Binary;
            while (Peek() != '}') {
                value.text += text_[pos_++];
            }
            ++pos_;
            return value;
        default:
            Fail(std::string("unexpected character '") + c + "'");
        }
    }

    NotationValue Number() {
        NotationValue value;
        const std::size_t start = pos_;
        if (text_[pos_] == '$') {
            ++pos_;
            const std::size_t digits = pos_;
            while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
                ++pos_;
            }
            std::uint64_t hex = 0;
            const auto [end, error] =
                std::from_chars(text_.data() + digits, text_.data() + pos_, hex, 16);
            if (error != std::errc() || digits == pos_) {
                Fail("bad hexadecimal number");
            }
            value.integer = static_cast<std::int64_t>(hex);
            return value;
        }
        if (text_[pos_] == '-' || text_[pos_] == '+') {
            ++pos_;
        }
        bool real = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '.' || c == 'e' || c == 'E') {
                real = true;
            } else if (!IsDigit(c) && !((c == '-' || c == '+') && real)) {
                break;
            }
            ++pos_;
        }
        std::string_view digits = text_.substr(start, pos_ - start);
        if (!digits.empty() && digits.front() == '+') {
            digits.remove_prefix(1);
        }
        const char* first = digits.data();
        const char* last = first + digits.size();
        if (real) {
            value.kind = NotationValue::Kind::Real;
            const auto [end, error] = std::from_chars(first, last, value.real);
            if (error != std::errc() || end != last) {
                Fail("bad number");
            }
        } else {
            const auto [end, error] = std::from_chars(first, last, value.integer);
            if (error != std::errc() || end != last) {
                Fail("bad number");
            }
        }
        return value;
    }

    // Quoted parts and #nnn codes run together; '+' joins the next line's parts.
    NotationValue String() {
        NotationValue value;
        value.kind = NotationValue::Kind::String;
        for (;;) {
            if (pos_ < text_.size() && text_[pos_] == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n') {
                        Fail("unterminated string");
                    }
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            value.text += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    value.text += text_[pos_++];
                }
            } else if (pos_ < text_.size() && text_[pos_] == '#') {
                ++pos_;
                const std::size_t start = pos_;
                while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    ++pos_;
                }
                std::uint32_t code = 0;
                const auto [end, error] =
                    std::from_chars(text_.data() + start, text_.data() + pos_, code);
                if (error != std::errc() || start == pos_ || code > 0x10FFFF) {
                    Fail("bad character code");
                }
                AppendUtf8(value.text, code);
            } else {
                const std::size_t mark = pos_;
                const int markLine = line_;
                if (!AtEnd() && text_[pos_] == '+') {
                    ++pos_;
                    SkipSpace();
                    if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
                        continue;
                    }
                }
                pos_ = mark;
                line_ = markLine;
                return value;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

NotationObject ParseObjectNotation(std::string_view text) {
    return Parser(text).Root();
}

std::string QuoteNotationString(std::string_view utf8, bool (*unsafe)(char32_t codePoint)) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        // A byte that starts no valid character stands for itself.
        const auto [decoded, length] = DecodeUtf8(utf8.substr(i));
        const char32_t code = length == 0 ? static_cast<unsigned char>(utf8[i]) : decoded;
        i += length == 0 ? 1 : length;
        if (code < 32 || (unsafe != nullptr && unsafe(code))) {
            if (quoted) {
                out += '\'';
                quoted = false;
            }
            out += '#' + std::to_string(static_cast<std::uint32_t>(code));
            continue;
        }
        if (!quoted) {
            out += '\'';
            quoted = true;
        }
        if (code == '\'') {
            out += "''";
        } else {
            out += utf8.substr(start, i - start);
        }
    }
    if (quoted || out.empty()) {
        out += quoted ? "'" : "''";
    }
    return out;
}

std::string FormatNotationNumber(double value) {
    if (std::nearbyint(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    return FormatNotationReal(value);
}

std::string FormatNotationReal(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find_first_of(".eEn") == std::string::npos) {
        text += ".0";
    }
    return text;
}

} // namespace vexa
