#include "block_test_support.h"
#include "fault.h"
#include "numeric_blocks.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::BlockBench;

TEST(BitBlocks, InputReadsAndOutputWritesByAction) {
    BlockBench bench;
    TbIN in(bench.environment);
    in.StrAddress = "I2.3";
    bench.memory.WriteBit("I2.3", true);
    in.Execute();
    EXPECT_EQ(in.Pins()[0].AnchorValue, PinValue::Boolean(true));
    EXPECT_EQ(in.Status(), AccessStatus::Location);

    TbOUT out(bench.environment);
    out.StrAddress = "Q0.0";
    auto run = [&](int action, bool value) {
        out.ActionType = action;
        out.Pins()[0].AnchorValue = PinValue::Boolean(value);
        out.Execute();
        return bench.memory.ReadBit("Q0.0").value;
    };
    EXPECT_TRUE(run(TbOUT::Set, true));
    EXPECT_TRUE(run(TbOUT::Set, false)); // stays set
    EXPECT_FALSE(run(TbOUT::ResetBit, true));
    EXPECT_FALSE(run(TbOUT::Set, false));
    EXPECT_TRUE(run(TbOUT::Assign, true));
    EXPECT_FALSE(run(TbOUT::Assign, false));
    EXPECT_EQ(out.Status(), AccessStatus::Written);
    EXPECT_EQ(bench.memory.ReadBit("Q0.0").status, AccessStatus::Location);
}

TEST(BitBlocks, InvalidAddressesAndConstants) {
    BlockBench bench;
    TbIN in(bench.environment);
    EXPECT_EQ(in.Status(), AccessStatus::Written); // a new block shows black text
    in.Execute();                                  // empty text
    EXPECT_EQ(in.Status(), AccessStatus::Invalid);
    in.StrAddress = "I50.0";
    in.Execute();
    EXPECT_EQ(in.Status(), AccessStatus::Invalid);
    EXPECT_EQ(in.Pins()[0].AnchorValue, PinValue::Boolean(false));
    in.StrAddress = "TRUE";
    in.Execute();
    EXPECT_EQ(in.Status(), AccessStatus::Constant);
    EXPECT_EQ(in.Pins()[0].AnchorValue, PinValue::Boolean(true));

    TbOUT out(bench.environment);
    out.StrAddress = "1"; // a constant is no place to write
    out.Execute();
    EXPECT_EQ(out.Status(), AccessStatus::Invalid);
    EXPECT_STREQ(out.StartCheckMessage(), kBitCheckMessage);
}

TEST(BitBlocks, DoubleClickTogglesWhileSimulatingAndEditsOtherwise) {
    BlockBench bench;
    TbIN in(bench.environment);
    in.StrAddress = "Q0.0"; // any area may be toggled
    in.RunMode = 1;
    in.DoubleClick();
    EXPECT_TRUE(bench.memory.ReadBit("Q0.0").value);
    in.DoubleClick();
    EXPECT_FALSE(bench.memory.ReadBit("Q0.0").value);
    EXPECT_FALSE(in.Editor.visible);

    in.StrAddress = "1";
    in.DoubleClick();
    EXPECT_EQ(in.Status(), AccessStatus::Constant);

    in.RunMode = 0;
    in.StrAddress = "I0.0";
    in.DoubleClick();
    EXPECT_TRUE(in.Editor.visible);
    EXPECT_EQ(in.Editor.text, "I0.0");
    EXPECT_TRUE(in.Editor.selectAll);
}

TEST(AddressEditing, SymbolsResolveAndShow) {
    BlockBench bench;
    bench.symbols.SetCell(SymbolColumn::Address, 1, "I0.0");
    bench.symbols.SetCell(SymbolColumn::Symbol, 1, "START");
    bench.symbols.SetCell(SymbolColumn::Comment, 1, "start button");
    TbIN in(bench.environment);

    in.Editor.Open("i0.0", true);
    in.EndEdit();
    EXPECT_EQ(in.StrAddress, "I0.0");
    EXPECT_EQ(in.DisplayText(), "START");
    EXPECT_EQ(in.Comment(), "start button");
    EXPECT_EQ(in.Status(), AccessStatus::Location);
    EXPECT_EQ(in.Editor.text, "I0.0");
    EXPECT_FALSE(in.Editor.visible);
    in.SetShowSymbol(true);
    EXPECT_EQ(in.ShownText(), "START");

    in.Editor.Open("start", true);
    in.EndEdit();
    EXPECT_EQ(in.StrAddress, "I0.0");

    in.Editor.Open("I99.0", true);
    in.EndEdit();
    EXPECT_EQ(in.StrAddress, "I99.0");
    EXPECT_EQ(in.Status(), AccessStatus::Invalid);
    EXPECT_EQ(in.Editor.text, "I99.0"); // the typed text stays
}

TEST(AddressEditing, WhileSimulatingTheTextIsWrittenToMemory) {
    BlockBench bench;
    TbIN bit(bench.environment);
    bit.StrAddress = "M1.1";
    bit.RunMode = 1;
    bit.Editor.Open("true", true);
    bit.EndEdit();
    EXPECT_TRUE(bench.memory.ReadBit("M1.1").value);
    bit.Editor.Open("maybe", true);
    EXPECT_THROW(bit.EndEdit(), Fault);

    TiIN integer(bench.environment);
    integer.StrAddress = "MW2";
    integer.RunMode = 1;
    integer.Editor.Open("$ff", true);
    integer.EndEdit();
    EXPECT_EQ(bench.memory.ReadSigned("MW2").value, 255);
    integer.Editor.Open("12A", true);
    EXPECT_THROW(integer.EndEdit(), Fault);

    TrOUT real(bench.environment);
    real.StrAddress = "MD10";
    real.RunMode = 1;
    real.Editor.Open("2.5e1", false);
    real.EndEdit();
    EXPECT_EQ(bench.memory.ReadReal("MD10").value, 25.0);
}

TEST(NumericBlocks, InputsReadTheirKind) {
    BlockBench bench;
    bench.memory.WriteInteger("IB0", 200);
    TiIN signedIn(bench.environment);
    signedIn.StrAddress = "IB0";
    signedIn.Execute();
    EXPECT_EQ(signedIn.Pins()[0].AnchorValue, PinValue::Integer(-56, IntWidth::S32));

    TwIN word(bench.environment);
    word.StrAddress = "IB0";
    word.Execute();
    EXPECT_EQ(word.Pins()[0].AnchorValue, PinValue::Integer(200, IntWidth::U32));
    word.StrAddress = "-1";
    word.Execute();
    EXPECT_EQ(word.Pins()[0].AnchorValue, PinValue::Integer(4294967295, IntWidth::U32));
    EXPECT_EQ(word.StartCheckMessage(), nullptr);

    TrIN real(bench.environment);
    real.StrAddress = "1.5";
    real.Execute();
    EXPECT_EQ(real.Pins()[0].AnchorValue, PinValue::Real(1.5));
    EXPECT_EQ(real.Status(), AccessStatus::Constant);
    EXPECT_STREQ(real.StartCheckMessage(), kRealCheckMessage);

    signedIn.StrAddress = "IW48";
    signedIn.Execute();
    EXPECT_EQ(signedIn.Status(), AccessStatus::Invalid);
    signedIn.StrAddress = "IW47";
    signedIn.Execute();
    EXPECT_EQ(signedIn.Status(), AccessStatus::Location);
}

TEST(NumericBlocks, OutputsWriteWhileEnabledAndShowMemory) {
    BlockBench bench;
    TiOUT out(bench.environment);
    out.StrAddress = "QB0";
    out.Pins()[0].AnchorValue = PinValue::Integer(300);
    out.Execute(); // InputEnabled is false until a scan feeds it
    EXPECT_EQ(bench.memory.ReadUnsigned("QB0").value, 0);
    EXPECT_EQ(out.Pins()[0].AnchorValue, PinValue::Integer(0, IntWidth::S32));

    out.InputEnabled = true;
    out.Pins()[0].AnchorValue = PinValue::Integer(300);
    out.Execute();
    EXPECT_EQ(bench.memory.ReadUnsigned("QB0").value, 44);
    EXPECT_EQ(out.Pins()[0].AnchorValue, PinValue::Integer(44, IntWidth::S32));

    TwOUT word(bench.environment);
    word.StrAddress = "MW4";
    word.InputEnabled = true;
    word.Pins()[0].AnchorValue = PinValue::Integer(70000);
    word.Execute();
    EXPECT_EQ(word.Pins()[0].AnchorValue, PinValue::Integer(4464, IntWidth::U32));

    TrOUT real(bench.environment);
    real.StrAddress = "MD0";
    real.InputEnabled = true;
    real.Pins()[0].AnchorValue = PinValue::Real(0.1);
    real.Execute();
    EXPECT_EQ(real.Pins()[0].AnchorValue, PinValue::Real(static_cast<float>(0.1)));

    out.StrAddress = "10"; // a constant: nothing written, the read-back passes the check
    out.Execute();
    EXPECT_EQ(out.Status(), AccessStatus::Constant);
    EXPECT_EQ(out.Pins()[0].AnchorValue, PinValue::Integer(10, IntWidth::S32));

    out.StrAddress = "QD0";
    out.Pins()[0].AnchorValue = PinValue::Real(3e9);
    EXPECT_THROW(out.Execute(), Fault);
}

TEST(NumericBlocks, DoubleClick) {
    BlockBench bench;
    TrIN real(bench.environment);
    real.StrAddress = "MD0";
    bench.memory.WriteReal("MD0", 3.14159);
    real.RunMode = 1;
    real.DoubleClick();
    EXPECT_TRUE(real.Editor.visible);
    EXPECT_EQ(real.Editor.text, "3.14");

    TiIN constant(bench.environment);
    constant.StrAddress = "25";
    constant.RunMode = 1;
    constant.DoubleClick();
    EXPECT_FALSE(constant.Editor.visible);

    TiOUT out(bench.environment);
    out.StrAddress = "MW0";
    out.RunMode = 1;
    out.DoubleClick();
    EXPECT_FALSE(out.Editor.visible);
    out.RunMode = 0;
    out.DoubleClick();
    EXPECT_EQ(out.Editor.text, "MW0");
    EXPECT_FALSE(out.Editor.selectAll);
}

} // namespace
} // namespace vexa
