#include "fault.h"
#include "number_format.h"
#include "numeric.h"
#include "pin_value.h"
#include "pin_value_printer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>

namespace vexa {
namespace {

PinValue S32(std::int64_t v) {
    return PinValue::Integer(v, IntWidth::S32);
}
PinValue S64(std::int64_t v) {
    return PinValue::Integer(v, IntWidth::S64);
}
PinValue U32(std::int64_t v) {
    return PinValue::Integer(v, IntWidth::U32);
}
PinValue Real(double v) {
    return PinValue::Real(v);
}
PinValue Bool(bool v) {
    return PinValue::Boolean(v);
}
const PinValue kZero = PinValue::ResetZero();

using BinaryOp = std::function<PinValue(const PinValue&, const PinValue&)>;

struct ArithmeticCase {
    const char* what;
    BinaryOp op;
    PinValue a;
    PinValue b;
    PinValue expected;
};

TEST(PinArithmetic, ResultKindWidthAndValue) {
    constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
    const ArithmeticCase cases[] = {
        {"32-bit sum", Add, S32(2), S32(3), S32(5)},
        {"32-bit overflow becomes real", Add, S32(2147483647), S32(1), Real(2147483648.0)},
        {"32-bit underflow becomes real", Subtract, S32(-2147483648), S32(1), Real(-2147483649.0)},
        {"reset zeros add to an integer", Add, kZero, kZero, S32(0)},
        {"a real operand makes a real", Add, Real(1.5), kZero, Real(1.5)},
        {"32-bit product overflow becomes real", Multiply, S32(65536), S32(65536),
         Real(4294967296.0)},
        {"word operand computes in 64 bits", Add, U32(4294967295), S32(1), S64(4294967296)},
        {"64-bit sum wraps", Add, S64(kMax64), S32(1), S64(kMin64)},
        {"64-bit difference wraps", Subtract, S64(kMin64), S32(1), S64(kMax64)},
        {"64-bit product overflow becomes real", Multiply, S64(std::int64_t{1} << 62), S32(4),
         Real(18446744073709551616.0)},
        {"64-bit product", Multiply, U32(65536), S32(-65536), S64(-4294967296)},
        {"boolean counts as -1", Add, Bool(true), S32(5), S32(4)},
        {"real quotient", Divide, S32(7), S32(2), Real(3.5)},
        {"unlinked dividend gives real 0", Divide, kZero, Real(4.0), Real(0.0)},
        {"shift left into the sign bit", ShiftLeft, S32(1), S32(31), S32(-2147483648)},
        {"logical shift right", ShiftRight, S32(-1), S32(28), S32(15)},
        {"count uses its low five bits", ShiftRight, S32(8), S32(33), S32(4)},
        {"count -1 shifts by 31", ShiftLeft, S32(1), S32(-1), S32(-2147483648)},
        {"64-bit shift", ShiftLeft, U32(1), S32(40), S64(std::int64_t{1} << 40)},
        {"64-bit shift right is logical", ShiftRight, S64(-1), S32(60), S64(15)},
        {"64-bit count 64 clears", ShiftLeft, U32(1), S32(64), S64(0)},
        {"64-bit count 127 clears", ShiftRight, U32(4294967295), S32(127), S64(0)},
        {"64-bit negative low byte uses five bits", ShiftLeft, U32(1), S32(200), S64(256)},
        {"64-bit count reads its low byte", ShiftLeft, U32(1), S32(257), S64(2)},
        {"real shift operand rounds half to even", ShiftLeft, Real(2.5), S32(1), S32(4)},
        {"two booleans and logically", And, Bool(true), Bool(true), Bool(true)},
        {"boolean with number is bitwise", And, kZero, Bool(true), S32(0)},
        {"or of true with a number gives -1", Or, Bool(true), kZero, S32(-1)},
        {"or of two booleans", Or, Bool(false), Bool(false), Bool(false)},
        {"bitwise on 64-bit group", And, U32(0xFF00), S32(0x0FF0), S64(0x0F00)},
    };
    for (const ArithmeticCase& c : cases) {
        SCOPED_TRACE(c.what);
        const PinValue result = c.op(c.a, c.b);
        EXPECT_EQ(result.kind(), c.expected.kind());
        EXPECT_EQ(result, c.expected);
    }
}

TEST(PinArithmetic, NotAtTheValuesOwnWidth) {
    EXPECT_EQ(Not(kZero), PinValue::Integer(255, IntWidth::U8));
    EXPECT_TRUE(Not(kZero).IsTrue());
    EXPECT_EQ(Not(S32(0)), S32(-1));
    EXPECT_EQ(Not(U32(0)), U32(4294967295));
    EXPECT_EQ(Not(PinValue::Integer(1, IntWidth::U16)), PinValue::Integer(0xFFFE, IntWidth::U16));
    EXPECT_EQ(Not(PinValue::Integer(0, IntWidth::S8)), PinValue::Integer(-1, IntWidth::S8));
    EXPECT_EQ(Not(S64(0)), S64(-1));
    EXPECT_EQ(Not(Bool(true)), Bool(false));
}

TEST(PinArithmetic, Faults) {
    EXPECT_THROW(Multiply(Real(1e308), Real(10.0)), Fault);
    EXPECT_THROW(Add(Real(1.7e308), Real(1.7e308)), Fault);
    EXPECT_THROW(Divide(Real(1e308), Real(1e-10)), Fault);
    EXPECT_THROW(ShiftLeft(Real(3e9), S32(1)), Fault);
    EXPECT_THROW(ShiftRight(S32(1), Real(-3e9)), Fault);
}

TEST(PinComparisons, NumericAcrossKinds) {
    EXPECT_TRUE(NumericEqual(kZero, kZero));
    EXPECT_FALSE(NumericGreater(kZero, kZero));
    EXPECT_FALSE(NumericLess(kZero, kZero));
    EXPECT_TRUE(NumericEqual(S32(3), Real(3.0)));
    EXPECT_TRUE(NumericGreater(Real(0.5), S32(0)));
    EXPECT_TRUE(NumericLess(S32(-1), U32(4294967295)));
    EXPECT_FALSE(NumericEqual(Add(Real(0.1), Real(0.2)), Real(0.3)));
    EXPECT_TRUE(NumericEqual(Real(0.0), kZero));
}

TEST(PinConversions, TruthIntegerAndReal) {
    EXPECT_FALSE(PinValue().IsTrue());
    EXPECT_FALSE(kZero.IsTrue());
    EXPECT_TRUE(Real(0.1).IsTrue());
    EXPECT_TRUE(S32(-3).IsTrue());
    EXPECT_FALSE(Bool(false).IsTrue());

    EXPECT_EQ(Bool(true).ToInt32(), -1);
    EXPECT_EQ(Real(2.5).ToInt32(), 2);
    EXPECT_EQ(Real(3.5).ToInt32(), 4);
    EXPECT_EQ(Real(-2.5).ToInt32(), -2);
    EXPECT_EQ(Real(2.5000001).ToInt32(), 3);
    EXPECT_EQ(Real(-2147483648.0).ToInt32(), -2147483648);
    EXPECT_THROW(Real(2147483648.0).ToInt32(), Fault);
    EXPECT_THROW(U32(4294967295).ToInt32(), Fault);
    EXPECT_EQ(Bool(true).ToReal(), -1.0);
    EXPECT_EQ(U32(4294967295).ToReal(), 4294967295.0);
}

TEST(PinConversions, RoundToInt64HalvesToEven) {
    EXPECT_EQ(RoundToInt64(7.0 / 2.0), 4);
    EXPECT_EQ(RoundToInt64(5.0 / 2.0), 2);
    EXPECT_EQ(RoundToInt64(-7.0 / 2.0), -4);
    EXPECT_EQ(RoundToInt64(1.0 / 3.0), 0);
    EXPECT_EQ(RoundToInt64(-3.0 / 2.0), -2);
    EXPECT_THROW(RoundToInt64(9223372036854775808.0), Fault);
    EXPECT_THROW(RoundToInt64(-9223372036854775808.0), Fault);
    EXPECT_THROW(ToSingle(1e39), Fault);
    EXPECT_EQ(ToSingle(16777217.0), 16777216.0f);
}

TEST(PinValueText, ShownValues) {
    const struct {
        PinValue value;
        const char* text;
    } cases[] = {
        {Add(Real(0.1), Real(0.2)), "0.3"},
        {Bool(true), "1"},
        {Bool(false), "0"},
        {S32(42), "42"},
        {U32(4294967295), "4294967295"},
        {S64(-9000000000), "-9000000000"},
        {Real(-0.00004), "0"},
        {Real(-0.00006), "0"},
        {Real(-0.00016), "-0.0001"},
        {Real(2.25), "2.25"},
        {Real(1.23456), "1.2346"},
        {Real(-1.23456), "-1.2345"},
        {Real(0.0001), "0.0001"},
        {Real(1e20), "1E20"},
        {Real(2147483648.0), "2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PinValueText(c.value), c.text);
    }
}

} // namespace
} // namespace vexa

namespace vexa {
namespace {

TEST(FormatGeneral, FixedOrScientificLikeTheSymbolTable) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {0.00005, "0.00005"},
        {0.000001, "1E-6"},
        {1.5e-7, "1.5E-7"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {-2.5, "-2.5"},
        {static_cast<float>(0.1), "0.100000001490116"},
        {1.0 / 3.0, "0.333333333333333"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
    }
}

} // namespace
} // namespace vexa
