// vexaplc-cli: the headless tool. "address" shows how the controller reads address texts.
#include "address.h"
#include "fault.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kExitRefused = 1;

const char* AreaLetter(vexa::Area area) {
    switch (area) {
    case vexa::Area::I:
        return "I";
    case vexa::Area::Q:
        return "Q";
    case vexa::Area::M:
        break;
    }
    return "M";
}

void DescribeAddress(const std::string& text) {
    const vexa::BitAddress bit = vexa::ParseBitAddress(text);
    const vexa::NumericAddress numeric = vexa::ParseNumericAddress(text);
    const vexa::RealAddress real = vexa::ParseRealAddress(text);
    std::printf("%s\n", text.c_str());
    if (bit.result == vexa::ParseResult::Address) {
        std::printf("  bit:     area %s, byte %d, bit %d\n", AreaLetter(bit.area), bit.byte,
                    bit.bit);
    } else if (bit.result == vexa::ParseResult::Constant) {
        std::printf("  bit:     constant %s\n", bit.constant ? "TRUE" : "FALSE");
    } else {
        std::printf("  bit:     invalid\n");
    }
    if (numeric.result == vexa::ParseResult::Address) {
        std::printf("  numeric: area %s, byte %d, width %d\n", AreaLetter(numeric.area),
                    numeric.byte, numeric.width);
    } else if (numeric.result == vexa::ParseResult::Constant) {
        std::printf("  numeric: constant %d\n", numeric.constant);
    } else {
        std::printf("  numeric: invalid\n");
    }
    if (real.result == vexa::ParseResult::Address) {
        std::printf("  real:    area %s, byte %d\n", AreaLetter(real.area), real.byte);
    } else if (real.result == vexa::ParseResult::Constant) {
        std::printf("  real:    constant %.9g\n", static_cast<double>(real.constant));
    } else {
        std::printf("  real:    invalid\n");
    }
}

int Usage() {
    std::fprintf(stderr, "usage: vexaplc-cli address TEXT...\n");
    return kExitRefused;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "address") != 0) {
        return Usage();
    }
    try {
        for (int i = 2; i < argc; ++i) {
            DescribeAddress(argv[i]);
        }
    } catch (const vexa::Fault& fault) {
        std::printf("%s\n", fault.what());
        return kExitRefused;
    }
    return 0;
}
