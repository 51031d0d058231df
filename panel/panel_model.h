#pragma once

#include "display_output.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexa {

// The operator panel without its window: four line buffers that the display blocks insert
// into, the four display lines that a flush copies them to, and the project's display strings.
class PanelModel : public DisplayOutput {
public:
    static constexpr int kLineCount = 4;
    static constexpr std::size_t kLineWidth = 16;
    static constexpr std::size_t kBlankBufferLength = 31;

    PanelModel();

    void PutString(std::int32_t column, std::int32_t line, std::int32_t number) override;
    void PutInteger(std::int32_t column, std::int32_t line, std::int32_t value) override;
    void PutReal(std::int32_t column, std::int32_t line, double value,
                 std::int8_t decimals) override;
    // Shows the first 16 characters of each buffer and blanks the buffers again.
    void Flush() override;

    // Display line 0 to 3: empty until the first flush, then 16 characters.
    const std::string& ShownLine(int line) const;

    std::size_t DisplayStringCount() const { return displayStrings_.size(); }
    const std::string& DisplayString(std::size_t number) const;
    const std::vector<std::string>& DisplayStrings() const { return displayStrings_; }
    void SetDisplayStrings(std::vector<std::string> strings);
    void ClearDisplayStrings() { displayStrings_.clear(); }

private:
    void Insert(std::int32_t column, std::int32_t line, const std::string& text);

    std::array<std::string, kLineCount> buffers_;
    std::array<std::string, kLineCount> shown_;
    std::vector<std::string> displayStrings_;
};

} // namespace vexa
