#include "catalog.h"

#include "text.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace vexa {

// A small reader of its own: the catalogue files are byte text in the Windows code page, so a
// reader that converts nothing and matches names by their ASCII letters is all that is needed.
struct Catalog::Data {
    // Upper-cased section -> upper-cased key -> value; the first occurrence of a key wins.
    std::map<std::string, std::map<std::string, std::string>> sections;

    void Parse(std::string_view text) {
        std::map<std::string, std::string>* section = nullptr;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            line = Trim(line);
            if (line.empty() || line.front() == ';' || line.front() == '#') {
                continue;
            }
            if (line.front() == '[') {
                const std::size_t close = line.find(']');
                const std::string_view name =
                    Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
                section = &sections[ToUpperAscii(name)];
                continue;
            }
            const std::size_t equals = line.find('=');
            if (section != nullptr && equals != std::string_view::npos) {
                section->emplace(ToUpperAscii(Trim(line.substr(0, equals))),
                                 std::string(Trim(line.substr(equals + 1))));
            }
        }
    }

    // Names are looked up trimmed, as the file's names are stored.
    const std::string* Find(std::string_view section, std::string_view key) const {
        const auto s = sections.find(ToUpperAscii(Trim(section)));
        if (s == sections.end()) {
            return nullptr;
        }
        const auto k = s->second.find(ToUpperAscii(Trim(key)));
        return k == s->second.end() ? nullptr : &k->second;
    }

    static std::string_view Trim(std::string_view text) {
        const auto first = text.find_first_not_of(" \t\r");
        if (first == std::string_view::npos) {
            return {};
        }
        return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    }
};

Catalog::Catalog() : data_(std::make_unique<Data>()) {}
Catalog::~Catalog() = default;
Catalog::Catalog(Catalog&&) noexcept = default;
Catalog& Catalog::operator=(Catalog&&) noexcept = default;

Catalog Catalog::FromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return FromText(text.str());
}

Catalog Catalog::FromText(std::string_view text) {
    Catalog catalog;
    catalog.data_->Parse(text);
    return catalog;
}

int Catalog::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::string* value = data_->Find(section, key);
    if (value == nullptr) {
        return fallback;
    }
    int number = 0;
    const char* first = value->data();
    const char* last = first + value->size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [ptr, ec] = std::from_chars(first, last, number);
    return ec == std::errc() && ptr == last ? number : fallback;
}

std::string Catalog::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string* value = data_->Find(section, key);
    return value == nullptr ? std::string(fallback) : *value;
}

bool Catalog::HasSection(std::string_view section) const {
    return data_->sections.contains(ToUpperAscii(Data::Trim(section)));
}

} // namespace vexa
