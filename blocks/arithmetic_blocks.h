#pragma once

#include "function_block.h"

namespace vexa {

// A stateless computing block: with the enable rule passed, its output pin gets Compute of its
// input pins; disabled, every output keeps its value.
class TArithmeticBlock : public TFunction {
public:
    void Execute() override;

protected:
    using TFunction::TFunction;
    virtual void Compute() = 0;
};

#define VEXA_ARITHMETIC_BLOCK(Class, CatalogName)                                                  \
    class Class final : public TArithmeticBlock {                                                  \
    public:                                                                                        \
        explicit Class(const BlockEnvironment& environment)                                        \
            : TArithmeticBlock(CatalogName, environment) {}                                        \
        std::string_view ClassName() const override { return #Class; }                             \
                                                                                                   \
    protected:                                                                                     \
        void Compute() override;                                                                   \
    }

VEXA_ARITHMETIC_BLOCK(TiADD, "iADD");
VEXA_ARITHMETIC_BLOCK(TiSUBB, "iSUBB");
VEXA_ARITHMETIC_BLOCK(TiMULL, "iMULL");
VEXA_ARITHMETIC_BLOCK(TiDIV, "iDIV");
VEXA_ARITHMETIC_BLOCK(TiSHR, "iSHR");
VEXA_ARITHMETIC_BLOCK(TiSHL, "iSHL");
VEXA_ARITHMETIC_BLOCK(TiEQ, "iEQ");
VEXA_ARITHMETIC_BLOCK(TiGT, "iGT");
VEXA_ARITHMETIC_BLOCK(TiLS, "iLS");
VEXA_ARITHMETIC_BLOCK(TiMOVE, "iMOVE");
VEXA_ARITHMETIC_BLOCK(TrADD, "rADD");
VEXA_ARITHMETIC_BLOCK(TrSUBB, "rSUBB");
VEXA_ARITHMETIC_BLOCK(TrMULL, "rMULL");
VEXA_ARITHMETIC_BLOCK(TrDIV, "rDIV");
VEXA_ARITHMETIC_BLOCK(TrEQ, "rEQ");
VEXA_ARITHMETIC_BLOCK(TrGT, "rGT");
VEXA_ARITHMETIC_BLOCK(TrLS, "rLS");
VEXA_ARITHMETIC_BLOCK(TrMOVE, "rMOVE");
VEXA_ARITHMETIC_BLOCK(TINT_TO_FLT, "INT_TO_FLT");
VEXA_ARITHMETIC_BLOCK(TFLT_TO_INT, "FLT_TO_INT");

#undef VEXA_ARITHMETIC_BLOCK

} // namespace vexa
