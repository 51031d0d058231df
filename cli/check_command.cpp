#include "commands.h"
#include "headless_project.h"
#include "scan_engine.h"

#include <cstdio>

namespace vexa::cli {

// The address check of a start, on the project's pages in tab order.
int CheckCommand(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vexaplc-cli check PROJECT.prg\n");
        return kExitRefused;
    }
    HeadlessProject headless(ProgramFolder());
    if (!headless.Open(argv[2])) {
        return kExitUnreadable;
    }
    ScanEngine engine(headless.memory);
    engine.SetPages(headless.project.Pages());
    ScanEngine::CheckResult check;
    try {
        check = engine.CheckAddresses();
    } catch (const std::exception& error) {
        std::printf("%s\n%s\n", kApplicationErrorMessage, error.what());
        return kExitFault;
    }
    if (check.passed) {
        std::printf("OK\n");
        return kExitSuccess;
    }
    std::printf("%s (function %s, block %s)\n", check.message.c_str(),
                headless.project.Page(check.page).FCName().c_str(), check.block->Name.c_str());
    return kExitRefused;
}

} // namespace vexa::cli
