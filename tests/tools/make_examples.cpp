// Writes the example projects into a folder, one subfolder each, with the project writer.
#include "block_test_support.h"
#include "differential_projects.h"
#include "example_projects.h"
#include "execution_order.h"
#include "hardware_catalog.h"
#include "program_source.h"
#include "project.h"
#include "scripted_prompts.h"
#include "text_file.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using namespace vexa;

class ProjectSink : public test::ExampleSink {
public:
    ProjectSink(Project& project, const BlockEnvironment& environment, TextGrid& symbols,
                TextGrid& hardware, PanelModel& panel)
        : project_(project), environment_(environment), symbols_(symbols), hardware_(hardware),
          panel_(panel) {}

    test::DiagramBuilder AddPage(const std::string& name, int event) override {
        auto page = std::make_unique<TatDiagram>();
        page->SetFCName(name);
        page->SetFCTypes(event);
        return test::DiagramBuilder(project_.AddPage(std::move(page)), environment_);
    }
    void SetDisplayStrings(std::vector<std::string> strings) override {
        panel_.SetDisplayStrings(std::move(strings));
    }
    void AddSymbol(const std::string& address, const std::string& symbol,
                   const std::string& comment, const std::string& type) override {
        const int row = ++rows_;
        symbols_.SetCell(SymbolColumn::Address, row, address);
        symbols_.SetCell(SymbolColumn::Symbol, row, symbol);
        symbols_.SetCell(SymbolColumn::Comment, row, comment);
        symbols_.SetCell(SymbolColumn::Type, row, type);
    }

    void PlaceModule(int row, const std::string& module) override {
        static const Catalog modules = Catalog::FromFile(VEXA_CATALOG_DIR "/HW.ini");
        DropModule(hardware_, row, module, modules);
    }

private:
    Project& project_;
    const BlockEnvironment& environment_;
    TextGrid& symbols_;
    TextGrid& hardware_;
    PanelModel& panel_;
    int rows_ = 0;
};

void Write(const std::filesystem::path& folder, const std::string& name,
           const std::function<void(test::ExampleSink&)>& build) {
    test::BlockBench bench;
    TextGrid symbols = MakeSymbolTable();
    TextGrid hardware = MakeHardwareTable();
    PanelModel panel;
    test::ScriptedPrompts prompts;
    Project project(bench.environment, symbols, hardware, panel, prompts, VEXA_CATALOG_DIR);
    ProjectSink sink(project, bench.environment, symbols, hardware, panel);
    build(sink);
    // Saved as drawn: every block carries its execution-order tag.
    for (TatDiagram* page : project.Pages()) {
        AssignExecutionOrder(*page);
    }
    std::filesystem::create_directories(folder / name);
    project.SaveProjectTo(folder / name / (name + ".prg"));
    // The C program the Compile command writes, as golden text.
    const ProgramSource source = GenerateProgram(project.Pages(), hardware);
    if (!source.check.passed) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), source.check.message.c_str());
        std::exit(1);
    }
    WriteFileAtomic(folder / name / (name + ".c"), ProgramFileBytes(source));
}

} // namespace

// With --differential it writes the diagrams that run alike on the PC and the controller.
int main(int argc, char** argv) {
    const bool differential = argc == 3 && std::string(argv[1]) == "--differential";
    if (argc != 2 && !differential) {
        std::fprintf(stderr, "usage: vexa-make-examples [--differential] FOLDER\n");
        return 1;
    }
    const std::filesystem::path folder = argv[argc - 1];
    if (differential) {
        Write(folder, "bits", test::BitLogic);
        Write(folder, "integers", test::IntegerArithmetic);
        Write(folder, "reals", test::RealArithmetic);
        Write(folder, "control", test::ControlBlocks);
        return 0;
    }
    Write(folder, "traffic_light", test::TrafficLight);
    Write(folder, "tank", test::TankWithPump);
    Write(folder, "pid_loop", test::PidLoop);
    return 0;
}
