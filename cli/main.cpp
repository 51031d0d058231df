// vexaplc-cli: the headless tool. It runs the same code paths as the designer's commands.
#include "address.h"
#include "commands.h"
#include "fault.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vexa::cli {

namespace {

const char* AreaLetter(Area area) {
    switch (area) {
    case Area::I:
        return "I";
    case Area::Q:
        return "Q";
    case Area::M:
        break;
    }
    return "M";
}

void DescribeAddress(const std::string& text) {
    const BitAddress bit = ParseBitAddress(text);
    const NumericAddress numeric = ParseNumericAddress(text);
    const RealAddress real = ParseRealAddress(text);
    std::printf("%s\n", text.c_str());
    if (bit.result == ParseResult::Address) {
        std::printf("  bit:     area %s, byte %d, bit %d\n", AreaLetter(bit.area), bit.byte,
                    bit.bit);
    } else if (bit.result == ParseResult::Constant) {
        std::printf("  bit:     constant %s\n", bit.constant ? "TRUE" : "FALSE");
    } else {
        std::printf("  bit:     invalid\n");
    }
    if (numeric.result == ParseResult::Address) {
        std::printf("  numeric: area %s, byte %d, width %d\n", AreaLetter(numeric.area),
                    numeric.byte, numeric.width);
    } else if (numeric.result == ParseResult::Constant) {
        std::printf("  numeric: constant %d\n", numeric.constant);
    } else {
        std::printf("  numeric: invalid\n");
    }
    if (real.result == ParseResult::Address) {
        std::printf("  real:    area %s, byte %d\n", AreaLetter(real.area), real.byte);
    } else if (real.result == ParseResult::Constant) {
        std::printf("  real:    constant %.9g\n", static_cast<double>(real.constant));
    } else {
        std::printf("  real:    invalid\n");
    }
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: vexaplc-cli check PROJECT.prg\n"
        "       vexaplc-cli simulate PROJECT.prg [--ms N] [--set ADDR[:TYPE]=VALUE[@MS]]...\n"
        "                   [--watch ADDR[:TYPE]]... [--sample MS] [--dump I|Q|M]... [--lcd]\n"
        "       vexaplc-cli address TEXT...\n");
    return kExitRefused;
}

} // namespace

int AddressCommand(int argc, char** argv) {
    try {
        for (int i = 2; i < argc; ++i) {
            DescribeAddress(argv[i]);
        }
    } catch (const Fault& fault) {
        std::printf("%s\n", fault.what());
        return kExitRefused;
    }
    return kExitSuccess;
}

} // namespace vexa::cli

int main(int argc, char** argv) {
    using namespace vexa::cli;
    if (argc < 3) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "check") {
        return CheckCommand(argc, argv);
    }
    if (command == "simulate") {
        return SimulateCommand(argc, argv);
    }
    if (command == "generate") {
        return GenerateCommand(argc, argv);
    }
    if (command == "build") {
        return BuildCommand(argc, argv);
    }
    if (command == "address") {
        return AddressCommand(argc, argv);
    }
    return Usage();
}
