#include "catalog.h"

#include <SimpleIni.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace vexa {

struct Catalog::Data {
    CSimpleIniCaseA ini{false, false, false};
};

Catalog::Catalog() : data_(std::make_unique<Data>()) {}
Catalog::~Catalog() = default;
Catalog::Catalog(Catalog&&) noexcept = default;
Catalog& Catalog::operator=(Catalog&&) noexcept = default;

Catalog Catalog::FromFile(const std::string& path) {
    Catalog catalog;
    if (catalog.data_->ini.LoadFile(path.c_str()) < 0) {
        catalog.data_->ini.Reset();
    }
    return catalog;
}

Catalog Catalog::FromText(std::string_view text) {
    Catalog catalog;
    catalog.data_->ini.LoadData(text.data(), text.size());
    return catalog;
}

int Catalog::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const char* value =
        data_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (value == nullptr) {
        return fallback;
    }
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(value, &end, 10);
    if (end == value || *end != '\0' || errno != 0 || number < INT32_MIN || number > INT32_MAX) {
        return fallback;
    }
    return static_cast<int>(number);
}

std::string Catalog::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const char* value =
        data_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value == nullptr ? std::string(fallback) : std::string(value);
}

bool Catalog::HasSection(std::string_view section) const {
    return data_->ini.GetSection(std::string(section).c_str()) != nullptr;
}

} // namespace vexa
