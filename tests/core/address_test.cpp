#include "fault.h"
#include "process_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vexa {
namespace {

enum class Op { ReadBit, WriteBit, ReadSigned, ReadUnsigned, WriteInteger };

struct Step {
    Op op;
    const char* text;
    std::int64_t value; // the value written, or the value a read must return
    AccessStatus status;
};

struct MemoryCase {
    const char* name;
    std::vector<Step> steps; // run in order on one zeroed image
};

constexpr auto kInvalid = AccessStatus::Invalid;
constexpr auto kWritten = AccessStatus::Written;
constexpr auto kConstant = AccessStatus::Constant;
constexpr auto kLocation = AccessStatus::Location;

const std::vector<MemoryCase> kMemoryCases = {
    {"lower case is the same address",
     {{Op::WriteBit, "i2.3", 1, kWritten},
      {Op::ReadBit, "I2.3", 1, kLocation},
      {Op::ReadUnsigned, "IB2", 8, kLocation}}},
    {"leading space is no address", {{Op::ReadBit, " I2.3", 0, kInvalid}}},
    {"bit digit 8 is neither address nor constant", {{Op::ReadBit, "I0.8", 0, kInvalid}}},
    {"runs of points and leading zeros",
     {{Op::WriteBit, "I0..1", 1, kWritten},
      {Op::ReadBit, "I000.1", 1, kLocation},
      {Op::WriteBit, "I007.1", 1, kWritten},
      {Op::ReadUnsigned, "IB7", 2, kLocation}}},
    {"last bit of Q", {{Op::WriteBit, "Q49.7", 1, kWritten}, {Op::ReadBit, "Q50.0", 0, kInvalid}}},
    {"last byte only bit by bit",
     {{Op::ReadSigned, "IB49", 0, kInvalid},
      {Op::ReadBit, "I49.0", 0, kLocation},
      {Op::ReadBit, "I49.7", 0, kLocation},
      {Op::ReadSigned, "IB48", 0, kLocation},
      {Op::ReadSigned, "IW47", 0, kLocation},
      {Op::ReadSigned, "IW48", 0, kInvalid},
      {Op::ReadSigned, "ID45", 0, kLocation},
      {Op::ReadSigned, "ID46", 0, kInvalid},
      {Op::WriteInteger, "MB98", 1, kWritten},
      {Op::WriteInteger, "MB99", 1, kInvalid},
      {Op::WriteInteger, "MW97", 1, kWritten}}},
    {"MD95 reads bytes 95 to 98",
     {{Op::WriteInteger, "MB95", 1, kWritten},
      {Op::WriteInteger, "MB96", 2, kWritten},
      {Op::WriteInteger, "MB97", 3, kWritten},
      {Op::WriteInteger, "MB98", 4, kWritten},
      {Op::ReadUnsigned, "MD95", 0x04030201, kLocation},
      {Op::ReadUnsigned, "MD96", 0, kInvalid}}},
    {"258 to MW0 is little-endian",
     {{Op::WriteInteger, "MW0", 258, kWritten},
      {Op::ReadUnsigned, "MB0", 2, kLocation},
      {Op::ReadUnsigned, "MB1", 1, kLocation}}},
    {"-2 to MD0 reads back signed and unsigned",
     {{Op::WriteInteger, "MD0", -2, kWritten},
      {Op::ReadUnsigned, "MB0", 254, kLocation},
      {Op::ReadUnsigned, "MB3", 255, kLocation},
      {Op::ReadSigned, "MB0", -2, kLocation},
      {Op::ReadUnsigned, "MW0", 65534, kLocation},
      {Op::ReadSigned, "MD0", -2, kLocation},
      {Op::ReadUnsigned, "MD0", 4294967294, kLocation}}},
    {"255 in IB0",
     {{Op::WriteInteger, "IB0", 255, kWritten},
      {Op::ReadSigned, "IB0", -1, kLocation},
      {Op::ReadUnsigned, "IB0", 255, kLocation}}},
    {"higher bytes are dropped",
     {{Op::WriteInteger, "MB0", 300, kWritten}, {Op::ReadUnsigned, "MB0", 44, kLocation}}},
    {"areas are separate",
     {{Op::WriteInteger, "QB0", 7, kWritten},
      {Op::ReadUnsigned, "IB0", 0, kLocation},
      {Op::ReadUnsigned, "MB0", 0, kLocation},
      {Op::ReadUnsigned, "qb0", 7, kLocation}}},
    {"writing a bit keeps the other bits",
     {{Op::WriteInteger, "MB5", 0xF0, kWritten},
      {Op::WriteBit, "M5.0", 1, kWritten},
      {Op::WriteBit, "M5.7", 0, kWritten},
      {Op::ReadUnsigned, "MB5", 0x71, kLocation}}},
    {"bit constants",
     {{Op::ReadBit, "1", 1, kConstant},
      {Op::ReadBit, "TRUE", 1, kConstant},
      {Op::ReadBit, "true", 1, kConstant},
      {Op::ReadBit, "0", 0, kConstant},
      {Op::ReadBit, "FALSE", 0, kConstant},
      {Op::ReadBit, "-2.5e1", 1, kConstant},
      {Op::ReadBit, "YES", 0, kInvalid},
      {Op::ReadBit, "", 0, kInvalid}}},
    {"integer constants",
     {{Op::ReadSigned, "$FF", 255, kConstant},
      {Op::ReadUnsigned, "XFF", 255, kConstant},
      {Op::ReadSigned, "0xff", 255, kConstant},
      {Op::ReadSigned, "  -12", -12, kConstant},
      {Op::ReadUnsigned, "-1", -1, kConstant},
      {Op::ReadSigned, "+7", 7, kConstant},
      {Op::ReadSigned, "-2147483648", -2147483648, kConstant},
      {Op::ReadSigned, "$7FFFFFFF", 2147483647, kConstant},
      {Op::ReadSigned, "12A", 0, kInvalid},
      {Op::ReadSigned, "2147483648", 0, kInvalid},
      {Op::ReadSigned, "$80000000", 0, kInvalid},
      {Op::ReadSigned, "-$1", 0, kInvalid},
      {Op::ReadSigned, "$", 0, kInvalid},
      {Op::ReadSigned, "12 ", 0, kInvalid},
      {Op::ReadSigned, "1.5", 0, kInvalid}}},
    {"constants are no locations",
     {{Op::WriteBit, "TRUE", 1, kInvalid},
      {Op::WriteInteger, "100", 5, kInvalid},
      {Op::WriteInteger, "I0.0", 5, kInvalid},
      {Op::WriteBit, "MW0", 1, kInvalid},
      {Op::ReadUnsigned, "MB0", 0, kLocation}}},
};

void PrintTo(const MemoryCase& c, std::ostream* os) {
    *os << c.name;
}

class MemoryTable : public testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryTable, StepsGiveValuesAndStatus) {
    ProcessImage image;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(step.text);
        switch (step.op) {
        case Op::ReadBit: {
            const auto r = image.ReadBit(step.text);
            EXPECT_EQ(r.status, step.status);
            EXPECT_EQ(r.value, step.value != 0);
            break;
        }
        case Op::WriteBit:
            EXPECT_EQ(image.WriteBit(step.text, step.value != 0), step.status);
            break;
        case Op::ReadSigned: {
            const auto r = image.ReadSigned(step.text);
            EXPECT_EQ(r.status, step.status);
            EXPECT_EQ(r.value, step.value);
            break;
        }
        case Op::ReadUnsigned: {
            const auto r = image.ReadUnsigned(step.text);
            EXPECT_EQ(r.status, step.status);
            EXPECT_EQ(r.value, step.value);
            break;
        }
        case Op::WriteInteger:
            EXPECT_EQ(image.WriteInteger(step.text, static_cast<std::int32_t>(step.value)),
                      step.status);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ProcessImage, MemoryTable, testing::ValuesIn(kMemoryCases),
                         [](const auto& paramInfo) {
                             std::string name = paramInfo.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(ProcessImageReal, SinglePrecisionLittleEndian) {
    ProcessImage image;
    EXPECT_EQ(image.WriteReal("MD4", 0.1), kWritten);
    const auto read = image.ReadReal("md4");
    EXPECT_EQ(read.status, kLocation);
    EXPECT_EQ(read.value, static_cast<double>(0.1f));
    EXPECT_EQ(image.ReadUnsigned("MD4").value, 0x3DCCCCCD);

    EXPECT_EQ(image.WriteReal("MD96", 1.0), kInvalid);
    EXPECT_EQ(image.WriteReal("1.5", 1.0), kInvalid);
    EXPECT_EQ(image.ReadReal("MD96").status, kInvalid);
    EXPECT_THROW(image.WriteReal("MD0", 1e39), Fault);
}

TEST(ProcessImageReal, RealConstants) {
    struct Case {
        const char* text;
        AccessStatus status;
        double value;
    };
    const Case cases[] = {
        {"1.5", kConstant, 1.5}, {" -2.5e1 ", kConstant, -25.0}, {"0.1", kConstant, 0.1f},
        {".5", kConstant, 0.5},  {"1e39", kInvalid, 0.0},        {"inf", kInvalid, 0.0},
        {"nan", kInvalid, 0.0},  {"0x1p3", kInvalid, 0.0},       {"1,5", kInvalid, 0.0},
        {"e5", kInvalid, 0.0},
    };
    const ProcessImage image;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = image.ReadReal(c.text);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.value, c.value);
    }
}

TEST(AddressParsers, ReportAreaByteAndWidth) {
    const BitAddress bit = ParseBitAddress("m20.7");
    EXPECT_EQ(bit.result, ParseResult::Address);
    EXPECT_EQ(bit.area, Area::M);
    EXPECT_EQ(bit.byte, 20);
    EXPECT_EQ(bit.bit, 7);

    const NumericAddress numeric = ParseNumericAddress("QW20");
    EXPECT_EQ(numeric.result, ParseResult::Address);
    EXPECT_EQ(numeric.area, Area::Q);
    EXPECT_EQ(numeric.width, 2);

    // The same text is a D-width numeric address and a real address.
    EXPECT_EQ(ParseNumericAddress("ID0").width, 4);
    EXPECT_EQ(ParseRealAddress("ID0").result, ParseResult::Address);
    EXPECT_EQ(ParseRealAddress("IW0").result, ParseResult::Neither);
}

TEST(AddressParsers, ByteNumberBeyond32BitsIsAConversionError) {
    EXPECT_THROW(ParseBitAddress("I2147483648.0"), Fault);
    EXPECT_THROW(ParseNumericAddress("MW99999999999999999999"), Fault);
    EXPECT_THROW(ParseRealAddress("QD2147483648"), Fault);
    ProcessImage image;
    EXPECT_THROW(image.ReadBit("M99999999999.1"), Fault);
    // The largest 32-bit byte number converts and is merely out of range.
    EXPECT_EQ(image.ReadBit("I2147483647.0").status, kInvalid);
    EXPECT_EQ(image.ReadSigned("ID2147483647").status, kInvalid);
}

TEST(ProcessImageClear, ZeroesEveryArea) {
    ProcessImage image;
    image.WriteInteger("IB0", 1);
    image.WriteInteger("QB48", 1);
    image.WriteBit("M99.7", true);
    image.ClearProcessImage();
    for (Area area : {Area::I, Area::Q, Area::M}) {
        for (std::uint8_t byte : image.Bytes(area)) {
            EXPECT_EQ(byte, 0);
        }
    }
    EXPECT_EQ(image.Bytes(Area::M).size(), 100u);
    EXPECT_EQ(image.Bytes(Area::Q).size(), 50u);
}

} // namespace
} // namespace vexa
