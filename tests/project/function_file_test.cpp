#include "block_test_support.h"
#include "connection_rules.h"
#include "diagram_builder.h"
#include "function_file.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "registry.h"
#include "text_file.h"
#include "timer.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vexa {
namespace {

using test::BlockBench;
using test::DiagramBuilder;

// A page with one block of every class and links of every shape.
std::unique_ptr<TatDiagram> EveryKindOfPage(const BlockEnvironment& environment) {
    auto page = std::make_unique<TatDiagram>();
    page->SetFCName("MAIN");
    page->SetFCComment("it's a 'quoted' comment");
    page->SetFCTypes(Every100ms);
    DiagramBuilder builder(*page, environment);
    double left = 0;
    for (const BlockClass& blockClass : BlockClasses()) {
        auto& block = page->AddBlock(blockClass.create(environment));
        block.Name = "MAIN_" + std::string(blockClass.name.substr(1)) + "1";
        block.Left = left;
        block.Top = left / 2 + 0.5;
        block.Tag = static_cast<std::int64_t>(left);
        left += 40;
    }
    auto& bit = dynamic_cast<TbIN&>(page->Block(0));
    bit.StrAddress = "I0.0";
    auto& out = dynamic_cast<TbOUT&>(page->Block(1));
    out.StrAddress = "Q0.1";
    out.ActionType = TbOUT::Set;
    auto& gate = dynamic_cast<TbAND&>(page->Block(8));
    gate.SetNum(3);
    gate.SetEN(true);
    auto* timer = dynamic_cast<TpTimer*>(&page->Block(34));
    timer->Mode = TpTimer::SF;
    timer->DControlID = "TpTIMER";
    timer->SetEN(true);
    auto& pen = dynamic_cast<TOscPen&>(page->Block(42));
    pen.PenIndex = 7;
    pen.Value = PinValue::Real(0.25);
    builder.Link(bit, 0, gate, 3);
    builder.Link(gate, 0, *timer, 4); // the timer's EN pin
    TDiagramSideLine& routed = page->DrawLink(gate, 0, out, 0);
    routed.Name = "MAIN_DiagramSideLine3";
    routed.RoutePoints = {{200, 10}, {200, 30.5}};
    routed.SourceArrow = ArrowShape::asRectangle;
    routed.TargetArrow = ArrowShape::asRectangle;
    TDiagramSideLine& free = page->AddLink(std::make_unique<TDiagramSideLine>());
    free.Name = "MAIN_DiagramSideLine4";
    page->AttachLinkEnd(free, LinkSide::Source, bit, 0);
    free.SetEndPosition(LinkSide::Target, {500, 500});
    return page;
}

TEST(FunctionFile, SaveLoadSaveGivesTheSameText) {
    BlockBench bench;
    const auto page = EveryKindOfPage(bench.environment);
    const std::string text = FunctionFileText(*page);
    const auto loaded = ReadFunctionText(text, bench.environment, {});
    EXPECT_EQ(FunctionFileText(*loaded), text);
    EXPECT_EQ(loaded->FCComment(), "it's a 'quoted' comment");
    EXPECT_EQ(loaded->FCTypes(), Every100ms);
    ASSERT_EQ(loaded->BlockCount(), page->BlockCount());
    ASSERT_EQ(loaded->LinkCount(), 4u);

    const auto& gate = dynamic_cast<const TbAND&>(loaded->Block(8));
    EXPECT_EQ(gate.Num(), 3);
    EXPECT_EQ(gate.Pins()[3].LinkConstraint, PinLinkConstraint::lcNone);
    const auto& timer = dynamic_cast<const TpTimer&>(loaded->Block(34));
    EXPECT_EQ(timer.Pins().size(), 6u); // EN and ENO rebuilt, so the link to pin 4 attached
    EXPECT_EQ(loaded->Link(1).Target().Anchor, &timer);
    EXPECT_EQ(loaded->Link(2).RoutePoints, (std::vector<Point>{{200, 10}, {200, 30.5}}));
    EXPECT_EQ(loaded->Link(3).Target().Anchor, nullptr);
    EXPECT_EQ(dynamic_cast<const TOscPen&>(loaded->Block(42)).Value, PinValue::Real(0.25));
}

TEST(FunctionFile, FixedShapes) {
    BlockBench bench;
    const std::string text = FunctionFileText(*EveryKindOfPage(bench.environment));
    EXPECT_EQ(text.rfind("object TatDiagram\r\n  FCName = 'MAIN'\r\n", 0), 0u);
    EXPECT_NE(text.find("  FCComment = 'it''s a ''quoted'' comment'\r\n"), std::string::npos);
    EXPECT_NE(text.find("    DControlID = 'TpTIMER'\r\n"), std::string::npos);
    EXPECT_EQ(text.find("DControlID = 'TbAND'"), std::string::npos);
    EXPECT_NE(text.find("  object MAIN_iADD1: TiADD\r\n"), std::string::npos);
    EXPECT_NE(text.find("    FunName = 'iADD'\r\n"), std::string::npos);
    EXPECT_NE(text.find("    SourceArrow = asRectangle\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");
}

TEST(FunctionFile, ReadsHandWrittenLinksAndNotationForms) {
    BlockBench bench;
    const std::string text = "object TatDiagram\n"
                             "  SnapGrid.Visible = True\n"
                             "  Options = [doA, doB]\n"
                             "  Data = {00FF}\n"
                             "  FCName = 'MA' +\n"
                             "    'IN'#33\n"
                             "  FCTypes = 0\n"
                             "  object MAIN_bIN1: TbIN\n"
                             "    StrAddress = 'I0.0'\n"
                             "  end\n"
                             "  object MAIN_bAND1: tband\n"
                             "    Num = 3\n"
                             "  end\n"
                             "  object MAIN_DiagramSideLine1: TDiagramSideLine\n"
                             "    EN = False\n"
                             "    LinkPoints = <\n"
                             "      item\n"
                             "        X = 70\n"
                             "        Y = 50\n"
                             "        Anchor = MAIN_bIN1\n"
                             "        AnchorIndex = 0\n"
                             "      end\n"
                             "      item\n"
                             "        X = 100\n"
                             "        Y = 60\n"
                             "        Anchor = MAIN_bAND1\n"
                             "        AnchorIndex = 1\n"
                             "      end>\n"
                             "    TargetArrow = asRectangle\n"
                             "    Collapsed = False\n"
                             "  end\n"
                             "end\n";
    const auto page = ReadFunctionText(text, bench.environment, {});
    EXPECT_EQ(page->FCName(), "MAIN!");
    ASSERT_EQ(page->LinkCount(), 1u);
    const TDiagramSideLine& link = page->Link(0);
    EXPECT_EQ(link.Source().Anchor, &page->Block(0));
    EXPECT_EQ(link.Target().AnchorIndex, 1);
    EXPECT_EQ(link.TargetArrow, ArrowShape::asRectangle);
    EXPECT_EQ(link.SourceArrow, ArrowShape::asNone);
    EXPECT_EQ(page->Block(1).Pins().size(), 4u);
    EXPECT_EQ(page->Block(1).Pins()[1].LinkConstraint, PinLinkConstraint::lcNone);
    EXPECT_FALSE(link.FixedConnection); // loaded links are not inserted ones

    const auto unnamed = ReadFunctionText("object TatDiagram\nend\n", bench.environment, {});
    EXPECT_EQ(unnamed->FCName(), "");
}

TEST(FunctionFile, FaultsNameTheLineAndTheReason) {
    BlockBench bench;
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"object TatDiagram\n  object A: TNoSuchBlock\n  end\nend\n", "Line 2: class TNoSuchBlock"},
        {"object TatDiagram\n  object A: TbIN\n  end\n  object A: TbOUT\n  end\nend\n",
         "Line 4: a component named A already exists"},
        {"object TatDiagram\n  object USED: TbIN\n  end\nend\n", "named USED already exists"},
        {"object TatDiagram\n  FCName = 'MAIN'\n  object A: TbIN\n", "unexpected end of file"},
        {"\x01\x02garbage", "'object' expected"},
        {"object TForm\nend\n", "starts with object TatDiagram"},
        {"object TatDiagram\n  object A: TbIN\n    Colour = 5\n  end\nend\n",
         "Line 3: property Colour does not exist in TbIN"},
        {"object TatDiagram\n  object A: TbIN\n    EN = 7\n  end\nend\n", "EN must be True"},
        {"object TatDiagram\n  object L: TDiagramSideLine\n    LinkPoints = <\n      item\n"
         "        Anchor = NOBODY\n      end\n      item\n      end>\n  end\nend\n",
         "Anchor NOBODY names no block"},
        {"object TatDiagram\n  FCName = 'open\nend\n", "unterminated string"},
    };
    for (const auto& c : cases) {
        try {
            ReadFunctionText(c.text, bench.environment, {"USED"});
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const FunctionFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
    }
}

TEST(FunctionFile, FileIsWindows1251WithCrLf) {
    BlockBench bench;
    TatDiagram page;
    page.SetFCName("NASOS");
    page.SetFCComment("Насос подачи ✓");
    const auto folder = std::filesystem::temp_directory_path() / "vexa_function_file_test";
    std::filesystem::create_directories(folder);
    SaveFunctionFile(page, folder / "NASOS.pou");
    const std::string bytes = ReadFileBytes(folder / "NASOS.pou");
    EXPECT_NE(bytes.find("FCComment = '\xCD\xE0\xF1\xEE\xF1 \xEF\xEE\xE4\xE0\xF7\xE8 '#10003"),
              std::string::npos);
    const auto loaded = LoadFunctionFile(folder / "NASOS.pou", bench.environment, {});
    EXPECT_EQ(loaded->FCComment(), "Насос подачи ✓");
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vexa
