#pragma once

#include "block_environment.h"
#include "display_output.h"
#include "pin_value_printer.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vexa::test {

// A clock that stands still until the test moves it.
class TestClock : public Clock {
public:
    double NowDays() const override { return days_; }
    void SetMs(double ms) { days_ = ms / 86400000.0; }
    void AdvanceMs(double ms) { days_ += ms / 86400000.0; }

private:
    double days_ = 0.0;
};

// Records every call the display blocks make, as text: "str 0 1 2", "int 0 1 -5",
// "real 0 1 3.14 2", "flush".
class RecordingDisplay : public DisplayOutput {
public:
    std::vector<std::string> calls;

    void PutString(std::int32_t column, std::int32_t line, std::int32_t number) override {
        calls.push_back("str " + std::to_string(column) + " " + std::to_string(line) + " " +
                        std::to_string(number));
    }
    void PutInteger(std::int32_t column, std::int32_t line, std::int32_t value) override {
        calls.push_back("int " + std::to_string(column) + " " + std::to_string(line) + " " +
                        std::to_string(value));
    }
    void PutReal(std::int32_t column, std::int32_t line, double value,
                 std::int8_t decimals) override {
        char text[64];
        std::snprintf(text, sizeof text, "real %d %d %.9g %d", column, line, value, decimals);
        calls.emplace_back(text);
    }
    void Flush() override { calls.emplace_back("flush"); }
};

// The real block catalogue, memory, symbol table, a test clock and a recording display.
struct BlockBench {
    Catalog catalog = Catalog::FromFile(VEXA_CATALOG_DIR "/FB.ini");
    ProcessImage memory;
    TextGrid symbols = MakeSymbolTable();
    TestClock clock;
    RecordingDisplay display;
    BlockEnvironment environment{&catalog, &memory, &symbols, &clock, &display};
};

} // namespace vexa::test
