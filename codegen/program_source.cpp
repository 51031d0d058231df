#include "program_source.h"

#include "address_blocks.h"
#include "execution_order.h"
#include "function_emitter.h"
#include "osc_pen.h"
#include "text_file.h"

namespace vexa {

namespace {

struct EventRoutine {
    int event;
    const char* comment;
    const char* head;
};

constexpr EventRoutine kEventRoutines[] = {
    {FreeCycle, "//-------------Free cycle-------------", "void FreeCycle(void)"},
    {StartUp, "//-------------Int_OnStart-------------", "void Int_OnStart(void)"},
    {Every100ms, "//-------------Int_T100ms-------------", "void Int_T100ms(void)"},
    {Every1s, "//-------------Int_T1s-------------", "void Int_T1s(void)"},
};

void Variables(const std::vector<TatDiagram*>& pages, std::vector<std::string>& lines) {
    lines.push_back("//--------Create all variable----------");
    for (const TatDiagram* page : pages) {
        for (std::size_t i = 0; i < page->BlockCount(); ++i) {
            const TCustomDiagramBlock& block = page->Block(i);
            if (dynamic_cast<const TOscPen*>(&block) == nullptr) {
                lines.push_back("xdata struct s" + ControlIdentifier(block) + " " + block.Name +
                                ";");
            }
        }
    }
    lines.push_back("//**************************************");
    lines.push_back(" ");
}

void Functions(const std::vector<TatDiagram*>& pages, std::vector<std::string>& lines) {
    lines.push_back("//--------Create all function----------");
    for (const TatDiagram* page : pages) {
        lines.push_back("//***** Task " + page->FCName() + "*****");
        lines.push_back("void FC_" + page->FCName() + "(void)");
        lines.push_back("{");
        for (std::string& line : EmitFunctionBody(*page)) {
            lines.push_back(std::move(line));
        }
        lines.push_back("}");
        lines.push_back(" ");
    }
    lines.push_back("//***********End all Task***************");
    lines.push_back(" ");
}

void Events(const std::vector<TatDiagram*>& pages, std::vector<std::string>& lines) {
    for (const EventRoutine& routine : kEventRoutines) {
        lines.push_back(routine.comment);
        lines.push_back(routine.head);
        lines.push_back("{");
        for (const TatDiagram* page : pages) {
            if (page->FCTypes() == routine.event) {
                lines.push_back("    FC_" + page->FCName() + "();");
            }
        }
        lines.push_back("}");
        lines.push_back(" ");
    }
}

// The module address of IO_Read and IO_Write is the row of the hardware table.
void Main(const TextGrid& hardware, std::vector<std::string>& lines) {
    lines.push_back("//-------Функцию main------");
    lines.push_back("void main(void)");
    lines.push_back("{");
    lines.push_back("\tinitialize_system();");
    lines.push_back("\tInt_OnStart(); \t\t// OnStartUp function");
    lines.push_back("\twhile(1)");
    lines.push_back("\t{");
    lines.push_back(
        "            // *******IO_Read(mAddr, sAddr, Len)   Read from input module*******");
    auto modules = [&](int column, const char* routine) {
        for (int row = 1; row < hardware.RowCount(); ++row) {
            const std::string& area = hardware.Cell(column, row);
            if (!area.empty()) {
                lines.push_back(std::string("\t\t") + routine + "(" + std::to_string(row) + ", " +
                                area + ", " + hardware.Cell(HardwareColumn::Length, row) + ");");
            }
        }
    };
    modules(HardwareColumn::InputArea, "IO_Read");
    lines.push_back(" \t\tFreeCycle();\t// Free cycle function");
    lines.push_back(
        "\t      // *******IO_Write(mAddr, sAddr, Len);  Write to output module*******");
    modules(HardwareColumn::OutputArea, "IO_Write");
    lines.push_back("\t}");
    lines.push_back("}");
}

} // namespace

ProgramSource GenerateProgram(const std::vector<TatDiagram*>& pages, const TextGrid& hardware) {
    ProgramSource source;
    for (TatDiagram* page : pages) {
        AssignExecutionOrder(*page);
    }
    source.check = CheckAddresses(pages);
    if (!source.check.passed) {
        return source;
    }
    source.lines = {"#include <function.h>", "#include <io.h>", ""};
    Variables(pages, source.lines);
    Functions(pages, source.lines);
    Events(pages, source.lines);
    Main(hardware, source.lines);
    return source;
}

std::string ProgramFileBytes(const ProgramSource& source) {
    return Utf8ToCp1251(JoinLinesCrLf(source.lines));
}

} // namespace vexa
