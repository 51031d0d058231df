#include "project.h"

#include "catalog.h"
#include "function_file.h"
#include "table_files.h"
#include "text.h"
#include "text_file.h"

#include <algorithm>

namespace vexa {

namespace {

constexpr const char* kSavePreviewProject = "Save preview project?";
constexpr const char* kFileFormatFault = "File format fault.";
constexpr const char* kFileNotFound = "File not found";
constexpr const char* kCannotSavePou = "Can not save POU ";
constexpr const char* kBadFunctionName = "Error:   Bad function name or function already exist!";
constexpr const char* kRemoveFunction = "Are you sure remove function from project?";
constexpr const char* kCloseQuestion = "VexaPLC будет закрыт. Сохранить изменения?";
constexpr const char* kTemplateFile = "New.prg";

std::string FunctionFileName(const TatDiagram& page) {
    return page.FCName() + ".pou";
}

// A function's name starts the names of its elements and of its C routine, and the function
// file's notation reads names as identifiers: letters, digits and '_', not starting with a
// digit.
bool IsIdentifier(const std::string& name) {
    if (name.empty() || (name.front() >= '0' && name.front() <= '9')) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

} // namespace

std::string ProjectFileText(const std::vector<std::string>& functionFiles, bool symbolSwitch) {
    std::vector<std::string> lines = {"[MAIN]", "FC_Count=" + std::to_string(functionFiles.size()),
                                      std::string("SymbolSwitch=") + (symbolSwitch ? "1" : "0"),
                                      "---------=---------", "[FUNCTION]"};
    for (std::size_t i = 0; i < functionFiles.size(); ++i) {
        lines.push_back("FC" + std::to_string(i) + "=" + functionFiles[i]);
    }
    return JoinLinesCrLf(lines);
}

Project::Project(const BlockEnvironment& environment, TextGrid& symbols, TextGrid& hardware,
                 PanelModel& panel, Prompts& prompts, std::filesystem::path programFolder)
    : environment_(environment), symbols_(symbols), hardware_(hardware), panel_(panel),
      prompts_(prompts), programFolder_(std::move(programFolder)) {}

std::vector<TatDiagram*> Project::Pages() const {
    std::vector<TatDiagram*> pages;
    for (const auto& page : pages_) {
        pages.push_back(page.get());
    }
    return pages;
}

void Project::SetActivePage(std::size_t index) {
    if (index < pages_.size()) {
        activePage_ = index;
    }
}

TatDiagram* Project::ActiveFunction() const {
    return activePage_ < pages_.size() ? pages_[activePage_].get() : nullptr;
}

bool Project::FunctionNameInUse(const std::string& name) const {
    return std::any_of(pages_.begin(), pages_.end(),
                       [&](const auto& page) { return EqualsIgnoringCase(page->FCName(), name); });
}

std::set<std::string> Project::ElementNamesInUse() const {
    std::set<std::string> names;
    for (const auto& page : pages_) {
        for (std::size_t i = 0; i < page->BlockCount(); ++i) {
            names.insert(page->Block(i).Name);
        }
        for (std::size_t i = 0; i < page->LinkCount(); ++i) {
            names.insert(page->Link(i).Name);
        }
    }
    names.erase("");
    return names;
}

std::string Project::NewElementName(const std::string& functionName,
                                    std::string_view className) const {
    const std::set<std::string> inUse = ElementNamesInUse();
    const std::string stem =
        functionName + "_" + std::string(className.substr(className.empty() ? 0 : 1));
    for (int number = 1;; ++number) {
        std::string name = stem + std::to_string(number);
        if (!inUse.contains(name)) {
            return name;
        }
    }
}

void Project::PagesChanged() {
    if (OnPagesChanged) {
        OnPagesChanged();
    }
}

TatDiagram& Project::AddPage(std::unique_ptr<TatDiagram> page) {
    pages_.push_back(std::move(page));
    activePage_ = pages_.size() - 1;
    PagesChanged();
    return *pages_.back();
}

// A new page starts from the template beside the program; a missing template is an error for
// the caller.
TatDiagram& Project::CreateFunctionPage(const std::string& name, const std::string& comment,
                                        int event) {
    TatDiagram& page = AddPage(LoadFunctionFile(programFolder_ / kTemplateFile, environment_, {}));
    page.SetFCName(ToUpperAscii(name));
    page.SetFCComment(comment);
    page.SetFCTypes(event);
    return page;
}

void Project::DeletePage(std::size_t index) {
    if (index >= pages_.size()) {
        return;
    }
    pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
    activePage_ = 0;
    PagesChanged();
}

void Project::DestroyPages() {
    pages_.clear();
    activePage_ = 0;
    PagesChanged();
}

void Project::NewProject() {
    if (prompts_.Confirm(kSavePreviewProject, false) == Prompts::Answer::Yes) {
        SaveProject();
    }
    DestroyPages();
    panel_.ClearDisplayStrings();
    ClearGrid(symbols_);
    ClearGrid(hardware_);
    fileName_.clear();
}

void Project::OpenProject() {
    if (SimulationRunning && SimulationRunning()) {
        return;
    }
    if (const auto path = prompts_.OpenFile(".PRG", kProjectFilter)) {
        OpenProjectFile(*path);
    }
}

// Each table is read on its own, and a table whose file is missing or unreadable is emptied,
// so no table keeps the previous project's content.
void Project::LoadTables(const std::filesystem::path& folder) {
    try {
        LoadGridTable(symbols_, folder / "Symbol.pdb");
    } catch (const FileError&) {
        ClearGrid(symbols_);
    }
    try {
        LoadGridTable(hardware_, folder / "HW.pdb");
    } catch (const FileError&) {
        ClearGrid(hardware_);
    }
    try {
        panel_.SetDisplayStrings(LoadDisplayStrings(folder / "Indicate.pdb"));
    } catch (const FileError&) {
        panel_.ClearDisplayStrings();
    }
}

bool Project::LoadFunctionInto(const std::filesystem::path& path) {
    try {
        AddPage(LoadFunctionFile(path, environment_, ElementNamesInUse()));
        return true;
    } catch (const std::exception&) {
        prompts_.Message(kFileFormatFault);
        return false;
    }
}

bool Project::OpenProjectFile(const std::filesystem::path& path) {
    DestroyPages();
    const std::filesystem::path folder = path.parent_path();
    LoadTables(folder);
    std::string text;
    try {
        text = Cp1251ToUtf8(ReadFileBytes(path));
    } catch (const FileError&) {
        return false;
    }
    const Catalog file = Catalog::FromText(text);
    const int count = file.ReadInteger("MAIN", "FC_Count", -1);
    for (int i = 0; i < count; ++i) {
        const std::string entry = file.ReadString("FUNCTION", "FC" + std::to_string(i), "Error");
        const std::filesystem::path functionFile = folder / entry;
        if (std::filesystem::is_regular_file(functionFile)) {
            LoadFunctionInto(functionFile);
        } else {
            prompts_.Message(kFileNotFound);
        }
    }
    symbolSwitch_ = file.ReadInteger("MAIN", "SymbolSwitch", 0) != 0;
    SetCaptionTo(path);
    fileName_ = path;
    output_.clear();
    output_.push_back("Open project: " + path.string());
    return true;
}

void Project::SetCaptionTo(const std::filesystem::path& path) {
    caption_ = std::string(kApplicationTitle) + "  " + path.string();
}

void Project::SaveProject() {
    if (fileName_.empty()) {
        SaveAs();
        return;
    }
    SaveProjectTo(fileName_);
}

void Project::SaveAs() {
    if (const auto path = prompts_.SaveFile(".PRG", kProjectFilter)) {
        SaveProjectTo(*path);
    }
}

// Every file is replaced atomically, so a failure midway leaves the saved project whole.
void Project::SaveProjectTo(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    std::filesystem::path projectFile = path;
    projectFile.replace_extension(".prg");
    std::vector<std::string> functionFiles;
    for (const auto& page : pages_) {
        functionFiles.push_back(FunctionFileName(*page));
    }
    WriteFileAtomic(projectFile, Utf8ToCp1251(ProjectFileText(functionFiles, symbolSwitch_)));
    for (const auto& page : pages_) {
        try {
            SaveFunctionFile(*page, folder / FunctionFileName(*page));
        } catch (const std::exception&) {
            prompts_.Message(kCannotSavePou);
        }
    }
    SaveGridTable(symbols_, folder / "Symbol.pdb");
    SaveGridTable(hardware_, folder / "HW.pdb");
    SaveDisplayStrings(panel_.DisplayStrings(), folder / "Indicate.pdb");
    fileName_ = projectFile;
    SetCaptionTo(projectFile);
}

bool Project::CloseQuery() {
    if (StopSimulation) {
        StopSimulation();
    }
    switch (prompts_.Confirm(kCloseQuestion, true)) {
    case Prompts::Answer::Yes:
        SaveProject();
        return true;
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}

void Project::NewFunction() {
    const auto entered = prompts_.EditFunction({}, true);
    if (!entered) {
        return;
    }
    std::string name = entered->name;
    std::replace(name.begin(), name.end(), ' ', '_');
    if (!IsIdentifier(name) || FunctionNameInUse(name)) {
        prompts_.Message(kBadFunctionName);
        return;
    }
    CreateFunctionPage(name, entered->comment, entered->event);
}

void Project::AddFunction() {
    if (SimulationRunning && SimulationRunning()) {
        return;
    }
    if (const auto path =
            prompts_.OpenFile(".pou", std::string(kApplicationTitle) + "function (*.pou)|*.pou")) {
        AddFunctionFile(*path);
    }
}

void Project::AddFunctionFile(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    try {
        lines = SplitLines(Cp1251ToUtf8(ReadFileBytes(path)));
    } catch (const FileError&) {
        prompts_.Message(kFileFormatFault);
        return;
    }
    std::sort(lines.begin(), lines.end());
    for (const auto& page : pages_) {
        const std::string wanted = "  FCName = '" + page->FCName() + "'";
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return EqualsIgnoringCase(line, wanted);
        });
        if (found) {
            prompts_.Message("Can not add function. Function already exist (" + wanted + ").");
            return;
        }
    }
    LoadFunctionInto(path);
}

void Project::DeleteFunction() {
    if (pages_.empty()) {
        return;
    }
    if (prompts_.Confirm(kRemoveFunction, false) == Prompts::Answer::Yes) {
        DeletePage(activePage_);
    }
}

void Project::FunctionProperty() {
    TatDiagram* page = ActiveFunction();
    if (page == nullptr) {
        return;
    }
    const auto entered =
        prompts_.EditFunction({page->FCName(), page->FCComment(), page->FCTypes()}, false);
    if (!entered) {
        return;
    }
    page->SetFCComment(entered->comment);
    page->SetFCTypes(entered->event);
}

} // namespace vexa
