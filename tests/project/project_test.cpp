#include "block_test_support.h"
#include "function_file.h"
#include "numeric_blocks.h"
#include "project.h"
#include "scripted_prompts.h"
#include "table_files.h"
#include "temp_folder.h"
#include "text_file.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using Answer = Prompts::Answer;

// A project with the program's tables and scripted answers.
struct Fixture {
    test::BlockBench bench;
    TextGrid& symbols = bench.symbols;
    TextGrid hardware = MakeHardwareTable();
    PanelModel panel;
    test::ScriptedPrompts prompts;
    Project project{bench.environment, symbols, hardware, panel, prompts, VEXA_CATALOG_DIR};
    test::TempFolder folder;

    void NewFunction(const std::string& name, int event = FreeCycle) {
        prompts.functions.push_back({name, "", event});
        project.NewFunction();
    }

    // Two functions with a block each, a symbol, a module row and a display string.
    void Fill() {
        NewFunction("MAIN");
        auto& in = project.Page(0).AddBlock(std::make_unique<TiIN>(bench.environment));
        in.Name = project.NewElementName("MAIN", in.ClassName());
        in.StrAddress = "IW2";
        NewFunction("lamps", Every1s);
        symbols.SetCell(SymbolColumn::Address, 1, "I0.0");
        symbols.SetCell(SymbolColumn::Symbol, 1, "Пуск");
        hardware.SetCell(HardwareColumn::Module, 2, "DI8-24V");
        panel.SetDisplayStrings({"Hello", "World"});
    }
};

TEST(Project, SaveWritesTheProjectFileInPageOrder) {
    Fixture f;
    f.Fill();
    f.project.SaveProjectTo(f.folder / "plant.prg");
    EXPECT_EQ(ReadFileBytes(f.folder / "plant.prg"),
              "[MAIN]\r\nFC_Count=2\r\nSymbolSwitch=0\r\n---------=---------\r\n"
              "[FUNCTION]\r\nFC0=MAIN.pou\r\nFC1=LAMPS.pou\r\n");
    for (const char* file : {"MAIN.pou", "LAMPS.pou", "Symbol.pdb", "HW.pdb", "Indicate.pdb"}) {
        EXPECT_TRUE(std::filesystem::exists(f.folder / file)) << file;
    }
    EXPECT_EQ(f.project.Caption(), "VexaPLC Designer  " + (f.folder / "plant.prg").string());
}

TEST(Project, OpenRestoresEverythingAndSavesTheSameBytes) {
    Fixture first;
    first.Fill();
    first.project.SetSymbolSwitch(true);
    first.project.SaveProjectTo(first.folder / "plant.prg");

    Fixture second;
    ASSERT_TRUE(second.project.OpenProjectFile(first.folder / "plant.prg"));
    EXPECT_TRUE(second.prompts.messages.empty());
    ASSERT_EQ(second.project.PageCount(), 2u);
    EXPECT_EQ(second.project.Page(0).FCName(), "MAIN");
    EXPECT_EQ(second.project.Page(1).FCName(), "LAMPS");
    EXPECT_EQ(second.project.Page(1).FCTypes(), Every1s);
    EXPECT_EQ(second.symbols.Cell(SymbolColumn::Symbol, 1), "Пуск");
    EXPECT_EQ(second.hardware.Cell(HardwareColumn::Module, 2), "DI8-24V");
    EXPECT_EQ(second.panel.DisplayStrings(), (std::vector<std::string>{"Hello", "World"}));
    EXPECT_TRUE(second.project.SymbolSwitch());
    EXPECT_EQ(second.project.Output(),
              std::vector<std::string>{"Open project: " + (first.folder / "plant.prg").string()});

    second.project.SaveProjectTo(second.folder / "plant.prg");
    for (const char* file :
         {"plant.prg", "MAIN.pou", "LAMPS.pou", "Symbol.pdb", "HW.pdb", "Indicate.pdb"}) {
        EXPECT_EQ(ReadFileBytes(second.folder / file), ReadFileBytes(first.folder / file)) << file;
    }
}

TEST(Project, OpenReportsMissingAndDamagedFunctionsAndLoadsTheRest) {
    Fixture first;
    first.Fill();
    first.NewFunction("third");
    first.project.SaveProjectTo(first.folder / "plant.prg");
    std::filesystem::remove(first.folder / "LAMPS.pou");
    WriteFileAtomic(first.folder / "THIRD.pou", "object TatDiagram\r\n  object X: TNoSuch\r\n");
    std::filesystem::remove(first.folder / "Symbol.pdb");

    Fixture second;
    second.symbols.SetCell(SymbolColumn::Symbol, 5, "left over");
    ASSERT_TRUE(second.project.OpenProjectFile(first.folder / "plant.prg"));
    EXPECT_EQ(second.prompts.messages,
              (std::vector<std::string>{"File not found", "File format fault."}));
    ASSERT_EQ(second.project.PageCount(), 1u);
    EXPECT_EQ(second.project.Page(0).FCName(), "MAIN");
    EXPECT_EQ(second.symbols.Cell(SymbolColumn::Symbol, 5), ""); // no table of another project
    EXPECT_EQ(second.panel.DisplayStrings().size(), 2u);         // the others still load

    EXPECT_FALSE(second.project.OpenProjectFile(first.folder / "nothing.prg"));
}

TEST(Project, NewFunctionNames) {
    Fixture f;
    f.NewFunction("my func");
    EXPECT_EQ(f.project.Page(0).FCName(), "MY_FUNC");
    // In use in another letter case, empty, or no identifier (the file could not be read back).
    for (const char* refused : {"My_Func", "", "1ST", "НАСОС", "A-B"}) {
        f.NewFunction(refused);
    }
    EXPECT_EQ(f.project.PageCount(), 1u);
    EXPECT_EQ(f.prompts.messages,
              std::vector<std::string>(5, "Error:   Bad function name or function already exist!"));
    f.prompts.functions.clear();
    f.project.NewFunction(); // cancelled
    EXPECT_EQ(f.project.PageCount(), 1u);
}

TEST(Project, AddFunctionRefusesAnOpenName) {
    Fixture f;
    f.Fill();
    SaveFunctionFile(f.project.Page(0), f.folder / "copy.pou");
    f.project.AddFunctionFile(f.folder / "copy.pou");
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0],
              "Can not add function. Function already exist (  FCName = 'MAIN').");

    TatDiagram other;
    other.SetFCName("PUMPS");
    SaveFunctionFile(other, f.folder / "pumps.pou");
    f.prompts.files.push_back(f.folder / "pumps.pou");
    f.project.AddFunction();
    ASSERT_EQ(f.project.PageCount(), 3u);
    EXPECT_EQ(f.project.Page(2).FCName(), "PUMPS");
    EXPECT_EQ(f.project.ActivePage(), 2u);

    f.project.AddFunctionFile(f.folder / "missing.pou");
    EXPECT_EQ(f.prompts.messages.back(), "File format fault.");
}

TEST(Project, DeleteFunctionAsksAndMakesPageZeroActive) {
    Fixture f;
    f.Fill();
    f.prompts.answers = {Answer::No, Answer::Yes};
    f.project.DeleteFunction();
    EXPECT_EQ(f.project.PageCount(), 2u);
    f.project.DeleteFunction();
    EXPECT_EQ(f.project.PageCount(), 1u);
    EXPECT_EQ(f.project.ActivePage(), 0u);
    EXPECT_EQ(f.prompts.questions,
              std::vector<std::string>(2, "Are you sure remove function from project?"));
}

TEST(Project, SaveOfANeverSavedProjectAsksForAFile) {
    Fixture f;
    f.Fill();
    f.project.SaveProject(); // the dialog is cancelled: nothing written
    EXPECT_TRUE(f.project.FileName().empty());
    f.prompts.files.push_back(f.folder / "sub.prg");
    f.project.SaveProject();
    EXPECT_EQ(f.project.FileName(), f.folder / "sub.prg");
    std::filesystem::remove(f.folder / "MAIN.pou");
    f.project.SaveProject(); // later saves go to the same folder
    EXPECT_TRUE(std::filesystem::exists(f.folder / "MAIN.pou"));
}

TEST(Project, AFunctionFileThatCannotBeWrittenIsReportedAndTheRestIsSaved) {
    Fixture f;
    f.Fill();
    std::filesystem::create_directories(f.folder / "MAIN.pou" / "blocked");
    f.project.SaveProjectTo(f.folder / "plant.prg");
    EXPECT_EQ(f.prompts.messages, std::vector<std::string>{"Can not save POU "});
    EXPECT_TRUE(std::filesystem::exists(f.folder / "LAMPS.pou"));
    EXPECT_NE(ReadFileBytes(f.folder / "plant.prg").find("FC0=MAIN.pou"), std::string::npos);
}

TEST(Project, NewProjectAndCloseQuery) {
    Fixture f;
    f.Fill();
    f.project.NewProject(); // "Save preview project?" answered No
    EXPECT_EQ(f.prompts.questions, std::vector<std::string>{"Save preview project?"});
    EXPECT_EQ(f.project.PageCount(), 0u);
    EXPECT_EQ(f.symbols.Cell(SymbolColumn::Symbol, 1), "");
    EXPECT_EQ(f.symbols.Cell(SymbolColumn::Symbol, 0), "Symbol");
    EXPECT_EQ(f.hardware.Cell(HardwareColumn::Module, 2), "");
    EXPECT_TRUE(f.panel.DisplayStrings().empty());

    int stops = 0;
    f.project.StopSimulation = [&] { ++stops; };
    f.prompts.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(f.project.CloseQuery());
    EXPECT_TRUE(f.project.CloseQuery());
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(f.prompts.questions.back(), "VexaPLC будет закрыт. Сохранить изменения?");
}

TEST(Project, FunctionPropertyKeepsTheName) {
    Fixture f;
    f.project.FunctionProperty(); // no page: nothing
    f.Fill();
    f.project.SetActivePage(0);
    f.prompts.functions.push_back({"RENAMED", "the pumps", -1});
    f.project.FunctionProperty();
    EXPECT_EQ(f.project.Page(0).FCName(), "MAIN");
    EXPECT_EQ(f.project.Page(0).FCComment(), "the pumps");
    EXPECT_EQ(f.project.Page(0).FCTypes(), -1);
}

TEST(Project, ElementNamesAreUniqueAcrossFunctions) {
    Fixture f;
    f.Fill();
    EXPECT_EQ(f.project.NewElementName("MAIN", "TiIN"), "MAIN_iIN2");
    EXPECT_EQ(f.project.NewElementName("LAMPS", "TbAND"), "LAMPS_bAND1");
}

} // namespace
} // namespace vexa
