#pragma once

#include "block_test_support.h"
#include "diagram_builder.h"
#include "scan_engine.h"
#include "virtual_time.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vexa::test {

// A project of function pages on the test bench, run by a scan engine in virtual time. Errors
// and refused starts are recorded.
struct TestProject {
    BlockBench bench;
    VirtualClock clock;
    std::vector<std::unique_ptr<TatDiagram>> pages;
    ScanEngine engine{bench.memory};
    VirtualTimeDriver driver{engine, clock};
    std::vector<std::pair<std::string, std::string>> errors;
    std::vector<std::pair<std::string, std::size_t>> refusals;

    TestProject() {
        bench.environment.clock = &clock;
        engine.OnError = [this](const std::string& message, const std::string& error) {
            errors.emplace_back(message, error);
        };
        engine.OnStartRefused = [this](const std::string& message, std::size_t page) {
            refusals.emplace_back(message, page);
        };
    }

    DiagramBuilder AddPage(const std::string& name, int event) {
        auto& page = *pages.emplace_back(std::make_unique<TatDiagram>());
        page.SetFCName(name);
        page.SetFCTypes(event);
        std::vector<TatDiagram*> all;
        for (auto& p : pages) {
            all.push_back(p.get());
        }
        engine.SetPages(all);
        return DiagramBuilder(page, bench.environment);
    }

    std::vector<TatDiagram*> PagePointers() const {
        std::vector<TatDiagram*> all;
        for (const auto& p : pages) {
            all.push_back(p.get());
        }
        return all;
    }

    std::int64_t Word(const char* address) { return bench.memory.ReadSigned(address).value; }
};

} // namespace vexa::test
