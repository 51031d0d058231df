#pragma once

#include "block_environment.h"
#include "diagram.h"
#include "panel_model.h"
#include "prompts.h"
#include "text_grid.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vexa {

inline constexpr const char* kApplicationTitle = "VexaPLC Designer";
inline constexpr const char* kProjectFilter = "PLC Project (*.prg)|*.prg";

// The project in memory and its commands: make, open, save and close a project; add, remove
// and describe its functions. Questions and messages go through the prompts.
class Project {
public:
    // The symbol table, the hardware table and the panel (with the display strings) are the
    // program's own and outlive the project; `programFolder` holds the template "New.prg".
    Project(const BlockEnvironment& environment, TextGrid& symbols, TextGrid& hardware,
            PanelModel& panel, Prompts& prompts, std::filesystem::path programFolder);

    std::size_t PageCount() const { return pages_.size(); }
    TatDiagram& Page(std::size_t index) const { return *pages_[index]; }
    std::vector<TatDiagram*> Pages() const;
    std::size_t ActivePage() const { return activePage_; }
    void SetActivePage(std::size_t index);
    TatDiagram* ActiveFunction() const;

    const std::filesystem::path& FileName() const { return fileName_; }
    bool SymbolSwitch() const { return symbolSwitch_; }
    void SetSymbolSwitch(bool on) { symbolSwitch_ = on; }
    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& Output() const { return output_; }

    // Set by the editor: whether a simulation runs, and how to stop it.
    std::function<bool()> SimulationRunning;
    std::function<void()> StopSimulation;
    // Raised after the set of pages or their order changed.
    std::function<void()> OnPagesChanged;

    void NewProject();
    void OpenProject();
    // Open without the dialog; false when the project file itself could not be read.
    bool OpenProjectFile(const std::filesystem::path& path);
    void SaveProject();
    void SaveAs();
    void SaveProjectTo(const std::filesystem::path& path);
    // The main window is about to close: true when it may.
    bool CloseQuery();
    void NewFunction();
    void AddFunction();
    void AddFunctionFile(const std::filesystem::path& path);
    void DeleteFunction();
    void FunctionProperty();

    // Adds a page built elsewhere (an example made in code) and makes it the active page.
    TatDiagram& AddPage(std::unique_ptr<TatDiagram> page);

    // A name for a new element: function name, "_", class name without its T, and the first
    // number that no element of the open functions carries.
    std::string NewElementName(const std::string& functionName, std::string_view className) const;
    bool FunctionNameInUse(const std::string& name) const;

private:
    TatDiagram& CreateFunctionPage(const std::string& name, const std::string& comment, int event);
    void DeletePage(std::size_t index);
    void DestroyPages();
    std::set<std::string> ElementNamesInUse() const;
    bool LoadFunctionInto(const std::filesystem::path& path);
    void LoadTables(const std::filesystem::path& folder);
    void SetCaptionTo(const std::filesystem::path& path);
    void PagesChanged();

    BlockEnvironment environment_;
    TextGrid& symbols_;
    TextGrid& hardware_;
    PanelModel& panel_;
    Prompts& prompts_;
    std::filesystem::path programFolder_;
    std::vector<std::unique_ptr<TatDiagram>> pages_;
    std::size_t activePage_ = 0;
    std::filesystem::path fileName_;
    bool symbolSwitch_ = false;
    std::string caption_ = kApplicationTitle;
    std::vector<std::string> output_;
};

// The project file: the functions' file names in page order and the view switch.
std::string ProjectFileText(const std::vector<std::string>& functionFiles, bool symbolSwitch);

} // namespace vexa
