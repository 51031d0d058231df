#include "commands.h"
#include "compile_command.h"
#include "headless_project.h"
#include "program_source.h"
#include "text_file.h"
#include "toolchain.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace vexa::cli {

namespace {

// Generates the project's C source into `target`; prints the refusal and returns false when a
// block's address is invalid.
bool WriteSource(HeadlessProject& headless, const std::filesystem::path& target) {
    const ProgramSource source = GenerateProgram(headless.project.Pages(), headless.hardware);
    if (!source.check.passed) {
        headless.PrintRefusal(source.check);
        return false;
    }
    WriteFileAtomic(target, ProgramFileBytes(source));
    return true;
}

std::filesystem::path SourceOf(const std::filesystem::path& project) {
    return BuildFiles(project).File(".c");
}

} // namespace

int GenerateCommand(int argc, char** argv) {
    std::filesystem::path project;
    std::filesystem::path output;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
            output = argv[++i];
        } else if (project.empty()) {
            project = argv[i];
        } else {
            std::fprintf(stderr, "usage: vexaplc-cli generate PROJECT.prg [-o FILE]\n");
            return kExitRefused;
        }
    }
    HeadlessProject headless(ProgramFolder());
    if (project.empty() || !headless.Open(project)) {
        return kExitUnreadable;
    }
    try {
        return WriteSource(headless, output.empty() ? SourceOf(project) : output) ? kExitSuccess
                                                                                  : kExitRefused;
    } catch (const std::exception& error) {
        std::printf("%s\n%s\n", kApplicationErrorMessage, error.what());
        return kExitFault;
    }
}

// The designer's Compile command, then a wait for the watcher (a tick every 500 ms) and for
// the packer.
int BuildCommand(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vexaplc-cli build PROJECT.prg\n");
        return kExitRefused;
    }
    const std::filesystem::path project = std::filesystem::absolute(argv[2]);
    HeadlessProject headless(ProgramFolder());
    if (!headless.Open(project)) {
        return kExitUnreadable;
    }
    CompileWatcher watcher(ShellStarter(ProgramFolder() / "runtime"));
    CompileOutcome outcome = CompileOutcome::Refused;
    try {
        outcome =
            CompileProject(headless.project, headless.hardware, headless.prompts, false, watcher);
    } catch (const std::exception& error) {
        std::printf("%s\n%s\n", kApplicationErrorMessage, error.what());
        return kExitFault;
    }
    if (outcome != CompileOutcome::Started) {
        for (const std::string& message : headless.prompts.messages) {
            std::printf("%s\n", message.c_str());
        }
        return kExitRefused;
    }
    using namespace std::chrono_literals;
    while (watcher.Active()) {
        std::this_thread::sleep_for(500ms);
        watcher.Tick();
    }
    for (int wait = 0; watcher.HexRun() != nullptr && watcher.HexRun()->Running() && wait < 600;
         ++wait) {
        std::this_thread::sleep_for(50ms);
    }
    for (const std::string& line : watcher.Memo()) {
        std::printf("%s\n", line.c_str());
    }
    return std::filesystem::exists(BuildFiles(project).File(".hex")) ? kExitSuccess : kExitRefused;
}

} // namespace vexa::cli
