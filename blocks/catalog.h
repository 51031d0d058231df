#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vexa {

// Read access to an INI-style catalogue file such as "FB.ini": sections and keys are matched
// without regard to letter case, and a missing file or key reads as the default.
class Catalog {
public:
    Catalog();
    ~Catalog();
    Catalog(Catalog&&) noexcept;
    Catalog& operator=(Catalog&&) noexcept;

    // A file that cannot be read leaves the catalogue empty.
    static Catalog FromFile(const std::string& path);
    static Catalog FromText(std::string_view text);

    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    bool HasSection(std::string_view section) const;

private:
    struct Data;
    std::unique_ptr<Data> data_;
};

} // namespace vexa
