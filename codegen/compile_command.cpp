#include "compile_command.h"

#include "program_source.h"
#include "text_file.h"

namespace vexa {

CompileOutcome CompileProject(Project& project, const TextGrid& hardware, Prompts& prompts,
                              bool simulationRunning, CompileWatcher& watcher) {
    if (simulationRunning) {
        return CompileOutcome::Ignored;
    }
    if (project.FileName().empty()) {
        prompts.Message(kSaveBeforeCompile);
        return CompileOutcome::Refused;
    }
    const ProgramSource source = GenerateProgram(project.Pages(), hardware);
    if (!source.check.passed) {
        project.SetActivePage(source.check.page);
        prompts.Message(source.check.message);
        return CompileOutcome::Refused;
    }
    const BuildFiles files(project.FileName());
    WriteFileAtomic(files.File(".c"), ProgramFileBytes(source));
    return watcher.Start(files) ? CompileOutcome::Started : CompileOutcome::Refused;
}

} // namespace vexa
