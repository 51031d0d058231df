#pragma once

#include "address_blocks.h"
#include "block_environment.h"
#include "catalog.h"
#include "panel_model.h"
#include "process_image.h"
#include "project.h"
#include "virtual_time.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa::cli {

// Questions have no one to answer them: confirmations say No, dialogs are cancelled, and
// messages are kept for the tool to print.
class HeadlessPrompts : public Prompts {
public:
    std::vector<std::string> messages;

    void Message(const std::string& text) override { messages.push_back(text); }
    Answer Confirm(const std::string&, bool) override { return Answer::No; }
    std::optional<std::filesystem::path> OpenFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> SaveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<FunctionProperties> EditFunction(const FunctionProperties&, bool) override {
        return std::nullopt;
    }
};

// Everything a project needs to run without a window: the catalogue beside the program, the
// memory, the tables, the panel and a virtual clock.
struct HeadlessProject {
    std::filesystem::path programFolder;
    Catalog catalog;
    ProcessImage memory;
    TextGrid symbols = MakeSymbolTable();
    TextGrid hardware = MakeHardwareTable();
    PanelModel panel;
    VirtualClock clock;
    BlockEnvironment environment{&catalog, &memory, &symbols, &clock, &panel};
    HeadlessPrompts prompts;
    Project project{environment, symbols, hardware, panel, prompts, programFolder};

    explicit HeadlessProject(std::filesystem::path folder);
    // Opens the project as the Open command does; false with a message on stderr when the
    // project or one of its functions cannot be read.
    bool Open(const std::filesystem::path& path);
    // Prints a refused address check: the message, then the block's function and name.
    void PrintRefusal(const AddressCheck& check) const;
};

// The folder of the running program, where the catalogue files lie.
std::filesystem::path ProgramFolder();

} // namespace vexa::cli
