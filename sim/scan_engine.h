#pragma once

#include "diagram.h"
#include "process_image.h"
#include "text_grid.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vexa {

class OscilloscopeBuffers;

inline constexpr const char* kSimulationErrorMessage = "Simulation error and will be stop!";
inline constexpr const char* kApplicationErrorMessage = "Application error!";

inline constexpr std::uint32_t kLinkGreen = 0x008000;
inline constexpr std::uint32_t kLinkBlack = 0x000000;

// Starts and stops a simulation and runs the function pages on their events. Each page is
// compiled at start into a schedule: its blocks in execution order, each with the pin copies
// along its outgoing links, so a scan never searches the link list.
class ScanEngine {
public:
    explicit ScanEngine(ProcessImage& memory);

    // The function pages in tab order; they must stay alive while the engine uses them.
    void SetPages(std::vector<TatDiagram*> pages);
    const std::vector<TatDiagram*>& Pages() const { return pages_; }
    void SetActivePage(std::size_t index) { activePage_ = index; }
    std::size_t ActivePage() const { return activePage_; }
    // Optional parts cleared at start and stop: the symbol table's value column and the
    // oscilloscope's sample buffers.
    void SetSymbolTable(TextGrid* symbols) { symbols_ = symbols; }
    void SetOscilloscope(OscilloscopeBuffers* oscilloscope) { oscilloscope_ = oscilloscope; }

    bool SimulationRunning() const { return running_; }

    int Progress() const { return progress_; }

    // Checks the addresses, then resets every block, clears memory and runs the start-up
    // functions. Returns false when the check refused the start or an error stopped it.
    bool StartSimulation();
    void StopSimulation();
    void ToggleSimulation();
    // One tick of a scan timer: every page of that event, in tab order.
    void RunEvent(int event);
    // The structure of a page changed while simulating: compile the schedules again.
    void InvalidateSchedules() { schedules_.clear(); }

    // The start check refused: the message to show and the page to bring to the front.
    std::function<void(const std::string& message, std::size_t page)> OnStartRefused;
    // An error stopped the simulation: the handler's message, then the error's own text.
    std::function<void(const std::string& message, const std::string& error)> OnError;
    std::function<void()> OnStarted;
    std::function<void()> OnStopped;
    // A page was scanned and needs repainting.
    std::function<void(TatDiagram& page)> OnPageScanned;

private:
    struct Copy {
        const TLinkPoint* from;
        TLinkPoint* to;
        TCustomDiagramBlock* destination;
    };
    struct Step {
        TCustomDiagramBlock* block;
        std::uint32_t firstCopy;
        std::uint32_t copyCount;
    };
    struct ColouredLink {
        TDiagramSideLine* link;
        const TLinkPoint* source;
    };
    struct Schedule {
        TatDiagram* page;
        std::vector<Step> steps;
        std::vector<Copy> copies;
        std::vector<ColouredLink> links;
    };

    void RunStartupFunctions();
    void CompileSchedules();
    static Schedule Compile(TatDiagram& page);
    void Scan(const Schedule& schedule);
    void AdvanceProgress(std::size_t pageIndex);
    void HandleError(const std::string& error);

    ProcessImage& memory_;
    std::vector<TatDiagram*> pages_;
    std::vector<Schedule> schedules_;
    TextGrid* symbols_ = nullptr;
    OscilloscopeBuffers* oscilloscope_ = nullptr;
    std::size_t activePage_ = 0;
    bool running_ = false;
    int progress_ = 0;
};

} // namespace vexa
