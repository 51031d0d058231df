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
    AddressCheck check;
    try {
        check = CheckAddresses(headless.project.Pages());
    } catch (const std::exception& error) {
        std::printf("%s\n%s\n", kApplicationErrorMessage, error.what());
        return kExitFault;
    }
    if (check.passed) {
        std::printf("OK\n");
        return kExitSuccess;
    }
    headless.PrintRefusal(check);
    return kExitRefused;
}

} // namespace vexa::cli
