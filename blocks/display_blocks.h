#pragma once

#include "function_block.h"

namespace vexa {

// Puts display string NUM at column COL of line LINE of the panel's line buffers.
class TpDPL_STR final : public TFunction {
public:
    static constexpr int kColumn = 0;
    static constexpr int kLine = 1;
    static constexpr int kNumber = 2;

    explicit TpDPL_STR(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpDPL_STR"; }

    void Execute() override;
};

// Puts the integer VAL at column COL of line LINE.
class TpDPL_INT final : public TFunction {
public:
    static constexpr int kColumn = 0;
    static constexpr int kLine = 1;
    static constexpr int kValue = 2;

    explicit TpDPL_INT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpDPL_INT"; }

    void Execute() override;
};

// Puts the real VAL, rounded to DEC decimals, at column COL of line LINE.
class TpDPL_REAL final : public TFunction {
public:
    static constexpr int kColumn = 0;
    static constexpr int kLine = 1;
    static constexpr int kDecimals = 2;
    static constexpr int kValue = 3;

    explicit TpDPL_REAL(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpDPL_REAL"; }

    void Execute() override;
};

// Shows what the other display blocks put and clears the line buffers.
class TpDPL_WBUF final : public TFunction {
public:
    explicit TpDPL_WBUF(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpDPL_WBUF"; }

    void Execute() override;
};

} // namespace vexa
