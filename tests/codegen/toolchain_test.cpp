#include "block_test_support.h"
#include "compile_command.h"
#include "numeric_blocks.h"
#include "scripted_prompts.h"
#include "temp_folder.h"
#include "text_file.h"
#include "toolchain.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

// A script that "runs" until the test says it has ended, and a record of what was started.
struct FakeRun : RunningScript {
    bool* running;
    explicit FakeRun(bool* flag) : running(flag) {}
    bool Running() override { return *running; }
};

struct Fixture {
    test::TempFolder folder;
    std::vector<std::filesystem::path> started;
    bool compiling = false;
    CompileWatcher watcher{[this](const std::filesystem::path& script) {
        started.push_back(script);
        return std::make_unique<FakeRun>(&compiling);
    }};
    BuildFiles files{folder / "pump.prg"};
};

TEST(Toolchain, CommandLinesQuoteEveryPath) {
    const BuildFiles files("/home/plc/my plant/pump.prg");
    EXPECT_EQ(CompileCommand(files),
              "sdcc --model-large --xram-size 2000 --code-size 32000 --use-stdout>"
              "\"/home/plc/my plant/error.txt\" -o \"/home/plc/my plant/\" "
              "\"/home/plc/my plant/pump.c\"");
    EXPECT_EQ(HexCommand(files),
              "packihx \"/home/plc/my plant/pump.ihx\">\"/home/plc/my plant/pump.hex\"");
}

TEST(Toolchain, StartDeletesOldOutputsAndWritesTheScript) {
    Fixture f;
    for (const char* old : {"error.txt", "pump.ihx", "pump.hex", "pump.mem", "pump.c"}) {
        WriteFileAtomic(f.folder / old, "old");
    }
    ASSERT_TRUE(f.watcher.Start(f.files));
    EXPECT_FALSE(std::filesystem::exists(f.folder / "pump.hex"));
    EXPECT_FALSE(std::filesystem::exists(f.folder / "error.txt"));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "pump.c"));
    EXPECT_EQ(ReadFileBytes(f.folder / "Compile.sh"), CompileCommand(f.files) + "\n");
    EXPECT_EQ(f.started, std::vector<std::filesystem::path>{f.folder / "Compile.sh"});
    EXPECT_EQ(f.watcher.Memo(), std::vector<std::string>{"Processing."});
}

TEST(Toolchain, GivesUpAfterFiftyTicksWithoutMessages) {
    Fixture f;
    f.watcher.Start(f.files);
    for (int tick = 1; tick <= 50; ++tick) {
        f.watcher.Tick();
    }
    EXPECT_TRUE(f.watcher.Active());
    EXPECT_EQ(f.watcher.Memo().front(), "Processing." + std::string(50, '.'));
    f.watcher.Tick();
    EXPECT_FALSE(f.watcher.Active());
    EXPECT_EQ(f.watcher.Memo().back(), "ERROR: Do not create out file. May be SDCC compiler not "
                                       "instailed. Please install SDCC again!");
}

TEST(Toolchain, CompileErrorsShowTheMessagesAndTheErrorLine) {
    Fixture f;
    f.compiling = true;
    f.watcher.Start(f.files);
    WriteFileAtomic(f.folder / "error.txt", "pump.c:5: syntax error\n");
    f.watcher.Tick(); // still compiling: the messages are not final yet
    EXPECT_TRUE(f.watcher.Active());
    f.compiling = false;
    f.watcher.Tick();
    EXPECT_FALSE(f.watcher.Active());
    EXPECT_EQ(f.watcher.Memo(), (std::vector<std::string>{"pump.c:5: syntax error",
                                                          "ERROR: IHX and HEX file not create."}));
}

TEST(Toolchain, SuccessShowsTheMemorySummaryAndStartsThePacker) {
    Fixture f;
    f.watcher.Start(f.files);
    WriteFileAtomic(f.folder / "error.txt", "");
    WriteFileAtomic(f.folder / "pump.ihx", ":00000001FF\n");
    WriteFileAtomic(f.folder / "pump.mem", "Internal RAM layout:\r\nstack: 10\r\n");
    f.watcher.Tick();
    EXPECT_FALSE(f.watcher.Active());
    const auto& memo = f.watcher.Memo();
    ASSERT_EQ(memo.size(), 5u);
    EXPECT_EQ(memo[0], "Internal RAM layout:");
    EXPECT_EQ(memo[2], "--File was compiled succesfully!   " + (f.folder / "pump.c").string());
    EXPECT_EQ(memo[3], "--Create file " + (f.folder / "pump.ihx").string());
    EXPECT_EQ(memo[4], "--Create file " + (f.folder / "pump.hex").string());
    EXPECT_EQ(ReadFileBytes(f.folder / "CreatHex.sh"), HexCommand(f.files) + "\n");
    EXPECT_EQ(f.started.back(), f.folder / "CreatHex.sh");
}

TEST(CompileCommand, GuardsValidationAndTheSourceFile) {
    Fixture f;
    test::BlockBench bench;
    TextGrid hardware = MakeHardwareTable();
    PanelModel panel;
    test::ScriptedPrompts prompts;
    Project project(bench.environment, bench.symbols, hardware, panel, prompts, VEXA_CATALOG_DIR);

    EXPECT_EQ(CompileProject(project, hardware, prompts, true, f.watcher), CompileOutcome::Ignored);
    EXPECT_EQ(CompileProject(project, hardware, prompts, false, f.watcher),
              CompileOutcome::Refused);
    EXPECT_EQ(prompts.messages.back(),
              "Please Save File befor compile! (Create folder in english!)");

    for (const char* name : {"FIRST", "SECOND"}) {
        auto page = std::make_unique<TatDiagram>();
        page->SetFCName(name);
        project.AddPage(std::move(page));
    }
    auto& bad = project.Page(1).AddBlock(std::make_unique<TiOUT>(bench.environment));
    bad.Name = "SECOND_iOUT1";
    project.SaveProjectTo(f.folder / "pump.prg");
    project.SetActivePage(0);
    EXPECT_EQ(CompileProject(project, hardware, prompts, false, f.watcher),
              CompileOutcome::Refused);
    EXPECT_EQ(project.ActivePage(), 1u);
    EXPECT_FALSE(std::filesystem::exists(f.folder / "pump.c"));

    bad.StrAddress = "QW0";
    EXPECT_EQ(CompileProject(project, hardware, prompts, false, f.watcher),
              CompileOutcome::Started);
    EXPECT_TRUE(std::filesystem::exists(f.folder / "pump.c"));
    EXPECT_EQ(f.started.back(), f.folder / "Compile.sh");
}

} // namespace
} // namespace vexa
