#include "block_test_support.h"
#include "diagram_builder.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "program_source.h"
#include "text_file.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::DiagramBuilder;

struct Fixture {
    test::BlockBench bench;
    std::vector<std::unique_ptr<TatDiagram>> pages;
    TextGrid hardware = MakeHardwareTable();

    DiagramBuilder Page(const std::string& name, int event) {
        auto& page = *pages.emplace_back(std::make_unique<TatDiagram>());
        page.SetFCName(name);
        page.SetFCTypes(event);
        return DiagramBuilder(page, bench.environment);
    }
    std::vector<TatDiagram*> All() const {
        std::vector<TatDiagram*> all;
        for (const auto& page : pages) {
            all.push_back(page.get());
        }
        return all;
    }
};

TEST(ProgramSource, WholeFileByteForByte) {
    Fixture f;
    DiagramBuilder main = f.Page("MAIN", FreeCycle);
    auto& in = main.Io<TbIN>("I0.0", 0, 0);
    auto& out = main.Io<TbOUT>("Q0.0", 100, 0);
    main.Link(in, 0, out, 0);
    main.Add<TOscPen>(200, 0);
    f.Page("SLOW", Every1s);
    f.hardware.SetCell(HardwareColumn::InputArea, 2, "0");
    f.hardware.SetCell(HardwareColumn::Length, 2, "2");
    f.hardware.SetCell(HardwareColumn::OutputArea, 3, "2");
    f.hardware.SetCell(HardwareColumn::Length, 3, "1");

    const ProgramSource source = GenerateProgram(f.All(), f.hardware);
    ASSERT_TRUE(source.check.passed);
    const std::string expected =
        "#include <function.h>\r\n#include <io.h>\r\n\r\n"
        "//--------Create all variable----------\r\n"
        "xdata struct sTbIN MAIN_bIN1;\r\nxdata struct sTbOUT MAIN_bOUT1;\r\n"
        "//**************************************\r\n \r\n"
        "//--------Create all function----------\r\n"
        "//***** Task MAIN*****\r\nvoid FC_MAIN(void)\r\n{\r\n"
        "    fTbIN(&MAIN_bIN1,0,0,0);\r\n    MAIN_bOUT1.IN=MAIN_bIN1.OUT;\r\n"
        "    fTbOUT(&MAIN_bOUT1,1,0,0,0);\r\n}\r\n \r\n"
        "//***** Task SLOW*****\r\nvoid FC_SLOW(void)\r\n{\r\n}\r\n \r\n"
        "//***********End all Task***************\r\n \r\n"
        "//-------------Free cycle-------------\r\nvoid FreeCycle(void)\r\n{\r\n"
        "    FC_MAIN();\r\n}\r\n \r\n"
        "//-------------Int_OnStart-------------\r\nvoid Int_OnStart(void)\r\n{\r\n}\r\n \r\n"
        "//-------------Int_T100ms-------------\r\nvoid Int_T100ms(void)\r\n{\r\n}\r\n \r\n"
        "//-------------Int_T1s-------------\r\nvoid Int_T1s(void)\r\n{\r\n    FC_SLOW();\r\n"
        "}\r\n \r\n"
        "//-------\xD4\xF3\xED\xEA\xF6\xE8\xFE main------\r\nvoid main(void)\r\n{\r\n"
        "\tinitialize_system();\r\n\tInt_OnStart(); \t\t// OnStartUp function\r\n"
        "\twhile(1)\r\n\t{\r\n"
        "            // *******IO_Read(mAddr, sAddr, Len)   Read from input module*******\r\n"
        "\t\tIO_Read(2, 0, 2);\r\n \t\tFreeCycle();\t// Free cycle function\r\n"
        "\t      // *******IO_Write(mAddr, sAddr, Len);  Write to output module*******\r\n"
        "\t\tIO_Write(3, 2, 1);\r\n\t}\r\n}\r\n";
    EXPECT_EQ(ProgramFileBytes(source), expected);
}

TEST(ProgramSource, TheFirstInvalidBlockRefuses) {
    Fixture f;
    f.Page("A", FreeCycle).Io<TwIN>("nonsense", 0, 0); // word blocks are not validated
    DiagramBuilder second = f.Page("B", FreeCycle);
    second.Io<TrOUT>("MW0", 0, 0);
    second.Io<TbIN>("I99.0", 0, 50);
    f.Page("C", FreeCycle).Io<TiIN>("junk", 0, 0);
    const ProgramSource source = GenerateProgram(f.All(), f.hardware);
    EXPECT_FALSE(source.check.passed);
    EXPECT_EQ(source.check.message,
              "Integer variable has an invalid interface. Example: ID0 or MD5 or QD20 etc.");
    EXPECT_EQ(source.check.page, 1u);
    EXPECT_EQ(source.check.block->Name, "B_rOUT1");
    EXPECT_TRUE(source.lines.empty());
}

} // namespace
} // namespace vexa
