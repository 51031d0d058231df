#include "commands.h"
#include "fault.h"
#include "headless_project.h"
#include "memory_text.h"
#include "number_format.h"
#include "scan_engine.h"
#include "text.h"
#include "text_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <stdexcept>

namespace vexa::cli {

namespace {

struct Watch {
    std::string given;   // as on the command line, for the output
    std::string address; // after symbol resolution
    std::optional<ValueType> type;
};

struct Write {
    Watch target;
    std::string value;
    double atMs = 0;
};

struct Options {
    std::string project;
    double ms = 1000;
    double sampleMs = 0;
    std::vector<Write> writes;
    std::vector<Watch> watches;
    std::vector<Area> dumps;
    bool lcd = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The project could not be read; the reasons are printed already.
struct UnreadableProject {};

double Milliseconds(const std::string& text, const char* option) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0) {
        throw UsageError(std::string(option) + " needs a number of milliseconds, not '" + text +
                         "'");
    }
    return value;
}

// ADDR[:TYPE]; the address may be a symbol of the project's symbol table. Without a type the
// symbol table's row on the address decides, else the type it would detect.
Watch ParseTarget(const std::string& text, const TextGrid& symbols, const ProcessImage& memory) {
    Watch watch;
    watch.given = text;
    const auto colon = text.rfind(':');
    std::string address = text.substr(0, colon);
    if (colon != std::string::npos) {
        watch.type = ValueTypeFromText(text.substr(colon + 1));
        if (!watch.type) {
            throw UsageError("unknown type in '" + text + "': use BOOL, INT, WORD or REAL");
        }
        watch.given = address;
    }
    watch.address = SymbolToAddress(symbols, address).text;
    if (!watch.type) {
        watch.type = SymbolTableType(symbols, watch.address);
    }
    try {
        if (!watch.type) {
            watch.type = DetectType(memory, watch.address);
        }
        if (watch.type) {
            ValueText(memory, watch.address, *watch.type); // a byte number beyond 32 bits faults
        }
    } catch (const Fault& fault) {
        throw UsageError("'" + text + "': " + fault.what());
    }
    return watch;
}

Options ParseOptions(int argc, char** argv, HeadlessProject& headless) {
    Options options;
    std::vector<std::pair<std::string, std::string>> pending;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0) {
            if (!options.project.empty()) {
                throw UsageError("more than one project given: " + arg);
            }
            options.project = arg;
            continue;
        }
        std::string value;
        if (arg == "--lcd") {
            options.lcd = true;
            continue;
        }
        // "--option=value" or "--option value"; the value of --set holds '=' itself.
        const auto equals = arg.find('=');
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            throw UsageError(arg + " needs a value");
        }
        pending.emplace_back(arg, value);
    }
    if (options.project.empty()) {
        throw UsageError("no project given");
    }
    if (!headless.Open(options.project)) {
        throw UnreadableProject{};
    }
    for (const auto& [option, value] : pending) {
        if (option == "--ms") {
            options.ms = Milliseconds(value, "--ms");
        } else if (option == "--sample") {
            options.sampleMs = Milliseconds(value, "--sample");
            if (options.sampleMs <= 0) {
                throw UsageError("--sample needs a positive number of milliseconds");
            }
        } else if (option == "--watch") {
            options.watches.push_back(ParseTarget(value, headless.symbols, headless.memory));
        } else if (option == "--dump") {
            const std::string area = ToUpperAscii(value);
            if (area != "I" && area != "Q" && area != "M") {
                throw UsageError("--dump takes I, Q or M, not '" + value + "'");
            }
            options.dumps.push_back(area == "I" ? Area::I : area == "Q" ? Area::Q : Area::M);
        } else if (option == "--set") {
            const auto equals = value.find('=');
            if (equals == std::string::npos) {
                throw UsageError("--set takes ADDR[:TYPE]=VALUE[@MS], not '" + value + "'");
            }
            Write write;
            write.target = ParseTarget(value.substr(0, equals), headless.symbols, headless.memory);
            write.value = value.substr(equals + 1);
            if (const auto at = write.value.rfind('@'); at != std::string::npos) {
                write.atMs = Milliseconds(write.value.substr(at + 1), "--set ...@");
                write.value = write.value.substr(0, at);
            }
            if (!write.target.type) {
                throw UsageError("'" + write.target.given + "' is no address");
            }
            options.writes.push_back(write);
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    return options;
}

std::string WatchText(const HeadlessProject& headless, const Watch& watch) {
    return watch.type ? ValueText(headless.memory, watch.address, *watch.type) : "ERROR";
}

void PrintDump(const ProcessImage& memory, Area area) {
    static const char* const kLetters[] = {"I", "Q", "M"};
    std::string line = std::string(kLetters[static_cast<int>(area)]) + ":";
    char hex[4];
    for (std::uint8_t byte : memory.Bytes(area)) {
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    std::printf("%s\n", line.c_str());
}

void PrintLcd(const PanelModel& panel) {
    for (int line = 0; line < PanelModel::kLineCount; ++line) {
        std::string shown = panel.ShownLine(line);
        shown.resize(PanelModel::kLineWidth, ' ');
        std::printf("LCD%d|%s|\n", line, Cp1251ToUtf8(shown).c_str());
    }
}

} // namespace

int SimulateCommand(int argc, char** argv) {
    HeadlessProject headless(ProgramFolder());
    Options options;
    try {
        options = ParseOptions(argc, argv, headless);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vexaplc-cli simulate: %s\n", error.what());
        return kExitRefused;
    } catch (const UnreadableProject&) {
        return kExitUnreadable;
    }

    ScanEngine engine(headless.memory);
    engine.SetPages(headless.project.Pages());
    engine.SetSymbolTable(&headless.symbols);
    std::string refused;
    std::vector<std::string> fault;
    engine.OnStartRefused = [&](const std::string& message, std::size_t) { refused = message; };
    engine.OnError = [&](const std::string& message, const std::string& error) {
        fault = {message, error};
    };
    VirtualTimeDriver driver(engine, headless.clock);
    if (!driver.Start()) {
        if (!refused.empty()) {
            std::printf("%s\n", refused.c_str());
            return kExitRefused;
        }
        std::printf("%s\n%s\n", fault[0].c_str(), fault[1].c_str());
        return kExitFault;
    }

    // Writes due at an instant come before that instant's ticks; samples follow them.
    std::set<double> instants;
    for (const Write& write : options.writes) {
        if (write.atMs <= options.ms) {
            instants.insert(write.atMs);
        }
    }
    std::set<double> samples;
    if (options.sampleMs > 0) {
        for (double k = 1; k * options.sampleMs <= options.ms; ++k) {
            samples.insert(k * options.sampleMs);
        }
        instants.insert(samples.begin(), samples.end());
    }
    instants.insert(options.ms);
    for (double instant : instants) {
        bool running = driver.AdvanceBefore(instant);
        for (const Write& write : options.writes) {
            if (running && write.atMs == instant) {
                // As Modify does: a text that does not convert reaches the error handler.
                try {
                    WriteValue(headless.memory, write.target.address, *write.target.type,
                               write.value);
                } catch (const Fault& error) {
                    engine.StopSimulation();
                    fault = {kSimulationErrorMessage, error.what()};
                    running = false;
                }
            }
        }
        running = running && driver.AdvanceTo(instant);
        if (!running) {
            std::printf("%s\n%s\n", fault[0].c_str(), fault[1].c_str());
            return kExitFault;
        }
        if (samples.contains(instant)) {
            std::string line = "t=" + FormatGeneral(instant);
            for (const Watch& watch : options.watches) {
                line += " " + watch.given + "=" + WatchText(headless, watch);
            }
            std::printf("%s\n", line.c_str());
        }
    }
    for (const Watch& watch : options.watches) {
        std::printf("%s=%s\n", watch.given.c_str(), WatchText(headless, watch).c_str());
    }
    for (Area area : options.dumps) {
        PrintDump(headless.memory, area);
    }
    if (options.lcd) {
        PrintLcd(headless.panel);
    }
    return kExitSuccess;
}

} // namespace vexa::cli
