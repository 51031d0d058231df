#include "scan_engine.h"

#include "address_blocks.h"
#include "execution_order.h"
#include "oscilloscope_buffers.h"

#include <algorithm>
#include <exception>
#include <unordered_map>

namespace vexa {

ScanEngine::ScanEngine(ProcessImage& memory) : memory_(memory) {}

void ScanEngine::SetPages(std::vector<TatDiagram*> pages) {
    pages_ = std::move(pages);
    schedules_.clear();
}

void ScanEngine::ToggleSimulation() {
    if (running_) {
        StopSimulation();
    } else {
        StartSimulation();
    }
}

bool ScanEngine::StartSimulation() {
    try {
        const AddressCheck check = CheckAddresses(pages_);
        if (!check.passed) {
            activePage_ = check.page;
            if (OnStartRefused) {
                OnStartRefused(check.message, check.page);
            }
            return false;
        }
        running_ = true;
        if (oscilloscope_ != nullptr) {
            oscilloscope_->Clear();
        }
        if (OnStarted) {
            OnStarted();
        }
        for (TatDiagram* page : pages_) {
            for (std::size_t i = 0; i < page->BlockCount(); ++i) {
                TCustomDiagramBlock& block = page->Block(i);
                block.RunMode = 1;
                block.Reset();
                block.Selected = false;
            }
            for (std::size_t i = 0; i < page->LinkCount(); ++i) {
                page->Link(i).Selected = false;
            }
            page->CancelInsert();
        }
        CompileSchedules();
        RunStartupFunctions();
    } catch (const std::exception& error) {
        HandleError(error.what());
    }
    return running_;
}

void ScanEngine::StopSimulation() {
    if (symbols_ != nullptr) {
        for (int row = 1; row < symbols_->RowCount(); ++row) {
            symbols_->SetCell(SymbolColumn::Value, row, "");
        }
    }
    if (oscilloscope_ != nullptr) {
        oscilloscope_->Clear();
    }
    progress_ = 0;
    for (TatDiagram* page : pages_) {
        for (std::size_t i = 0; i < page->BlockCount(); ++i) {
            page->Block(i).RunMode = 0;
        }
        for (std::size_t i = 0; i < page->LinkCount(); ++i) {
            TDiagramSideLine& link = page->Link(i);
            link.PenColor = kLinkBlack;
            link.PenWidth = 1;
            link.Restrictions = 0;
        }
        page->CancelInsert();
    }
    running_ = false;
    if (OnStopped) {
        OnStopped();
    }
}

void ScanEngine::RunStartupFunctions() {
    memory_.ClearProcessImage();
    RunEvent(StartUp);
}

void ScanEngine::RunEvent(int event) {
    if (!running_) {
        return;
    }
    try {
        if (schedules_.size() != pages_.size()) {
            CompileSchedules();
        }
        for (std::size_t p = 0; p < schedules_.size() && running_; ++p) {
            if (schedules_[p].page->FCTypes() == event) {
                Scan(schedules_[p]);
                AdvanceProgress(p);
            }
        }
    } catch (const std::exception& error) {
        HandleError(error.what());
    }
}

void ScanEngine::AdvanceProgress(std::size_t pageIndex) {
    if (pageIndex == activePage_) {
        progress_ = progress_ < 100 ? progress_ + 10 : 0;
    }
}

void ScanEngine::HandleError(const std::string& error) {
    const bool wasRunning = running_;
    StopSimulation();
    if (OnError) {
        OnError(wasRunning ? kSimulationErrorMessage : kApplicationErrorMessage, error);
    }
}

void ScanEngine::CompileSchedules() {
    schedules_.clear();
    for (TatDiagram* page : pages_) {
        schedules_.push_back(Compile(*page));
    }
}

// Tags are made unique first, as a drawing of the page would, so that no block of a page loaded
// with duplicate tags runs twice in a scan while another does not run.
ScanEngine::Schedule ScanEngine::Compile(TatDiagram& page) {
    AssignExecutionOrder(page);
    Schedule schedule{&page, {}, {}, {}};

    // Outgoing pairs of every block, in link-list order. A link counts for each of its ends that
    // sits on an output pin, so one drawn from an input to an output works like the others.
    std::unordered_map<const TCustomDiagramBlock*, std::vector<Copy>> outgoing;
    for (std::size_t i = 0; i < page.LinkCount(); ++i) {
        TDiagramSideLine& link = page.Link(i);
        TLinkPoint* source = link.EndPin(LinkSide::Source);
        TLinkPoint* target = link.EndPin(LinkSide::Target);
        if (source == nullptr || target == nullptr) {
            continue;
        }
        schedule.links.push_back({&link, source});
        if (source->IsOutput()) {
            outgoing[link.Source().Anchor].push_back({source, target, link.Target().Anchor});
        }
        if (target->IsOutput()) {
            outgoing[link.Target().Anchor].push_back({target, source, link.Source().Anchor});
        }
    }

    std::vector<TCustomDiagramBlock*> order;
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        order.push_back(&page.Block(i));
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->Tag < b->Tag; });
    for (TCustomDiagramBlock* block : order) {
        const auto found = outgoing.find(block);
        const auto first = static_cast<std::uint32_t>(schedule.copies.size());
        if (found != outgoing.end()) {
            schedule.copies.insert(schedule.copies.end(), found->second.begin(),
                                   found->second.end());
        }
        schedule.steps.push_back(
            {block, first, static_cast<std::uint32_t>(schedule.copies.size()) - first});
    }
    return schedule;
}

void ScanEngine::Scan(const Schedule& schedule) {
    const Copy* copies = schedule.copies.data();
    for (const Step& step : schedule.steps) {
        TCustomDiagramBlock& block = *step.block;
        block.Execute();
        if (step.copyCount == 0) {
            continue;
        }
        // A block with EN on passes its last pin (ENO) on as the enable of what it feeds.
        const auto& pins = block.Pins();
        const bool enables = !block.EN() || pins.empty() || pins.back().AnchorValue.IsTrue();
        for (std::uint32_t c = step.firstCopy; c < step.firstCopy + step.copyCount; ++c) {
            copies[c].to->AnchorValue = copies[c].from->AnchorValue;
            copies[c].destination->InputEnabled = enables;
        }
    }
    for (const ColouredLink& coloured : schedule.links) {
        TDiagramSideLine& link = *coloured.link;
        const PinValue& value = coloured.source->AnchorValue;
        link.PenColor = value.IsBoolean() && value.BooleanValue() ? kLinkGreen : kLinkBlack;
        link.PenWidth = value.IsBoolean() ? 2 : 1;
        link.Restrictions = crNoResize | crNoRotation | crNoSelect;
    }
    if (OnPageScanned) {
        OnPageScanned(*schedule.page);
    }
}

} // namespace vexa
