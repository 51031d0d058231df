#include "execution_order.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vexa {

namespace {

std::int64_t TruncatedQuotient(double value, double divisor) {
    // Clamped so that a position read from a damaged file cannot overflow the key.
    const double quotient = std::trunc(value / divisor);
    constexpr double kLimit = 1e15;
    return static_cast<std::int64_t>(
        std::clamp(std::isnan(quotient) ? 0.0 : quotient, -kLimit, kLimit));
}

// Counts of the tags that blocks carry at the moment: open addressing on a power-of-two table,
// so that each probe of the key walk costs a few nanoseconds.
class TagCounts {
public:
    explicit TagCounts(std::size_t blocks) {
        std::size_t size = 16;
        while (size < blocks * 2) {
            size *= 2;
        }
        slots_.resize(size);
        mask_ = size - 1;
    }

    int Count(std::int64_t tag) const { return slots_[Find(tag)].count; }
    void Add(std::int64_t tag) {
        Slot& slot = slots_[Find(tag)];
        slot.tag = tag;
        slot.used = true;
        ++slot.count;
    }
    // A slot whose count drops to 0 stays used, so probe chains remain intact.
    void Remove(std::int64_t tag) { --slots_[Find(tag)].count; }

private:
    struct Slot {
        std::int64_t tag = 0;
        int count = 0;
        bool used = false;
    };

    std::size_t Find(std::int64_t tag) const {
        std::size_t i = static_cast<std::size_t>(tag * 0x9E3779B97F4A7C15ull >> 17) & mask_;
        while (slots_[i].used && slots_[i].tag != tag) {
            i = (i + 1) & mask_;
        }
        return i;
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

} // namespace

std::int64_t PositionKey(const TCustomDiagramBlock& block) {
    return TruncatedQuotient(block.Top, 250.0) * 1000 + TruncatedQuotient(block.Left, 10.0);
}

void AssignExecutionOrder(TatDiagram& page) {
    const std::size_t count = page.BlockCount();
    // Each block adds at most one new key beyond the tags present at the start.
    TagCounts tags(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        tags.Add(page.Block(i).Tag);
    }
    for (std::size_t i = 0; i < count; ++i) {
        TCustomDiagramBlock& block = page.Block(i);
        tags.Remove(block.Tag);
        std::int64_t key = PositionKey(block);
        while (tags.Count(key) > 0) {
            ++key;
        }
        block.Tag = key;
        tags.Add(key);
    }
    std::vector<std::pair<std::int64_t, std::size_t>> order(count);
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = {page.Block(i).Tag, i};
    }
    std::sort(order.begin(), order.end());
    for (std::size_t rank = 0; rank < count; ++rank) {
        page.Block(order[rank].second).OrderNumber = static_cast<int>(rank);
    }
}

TCustomDiagramBlock* BlockByTag(const TatDiagram& page, std::int64_t tag) {
    TCustomDiagramBlock* found = nullptr;
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        if (page.Block(i).Tag == tag) {
            found = &page.Block(i);
        }
    }
    return found;
}

void BeforeDrawBlock(TatDiagram& page, TCustomDiagramBlock& block, bool symbolSwitch) {
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        page.Block(i).SetShowSymbol(symbolSwitch);
    }
    AssignExecutionOrder(page);
    block.Top = std::max(block.Top, 0.0);
    block.Left = std::max(block.Left, 0.0);
}

} // namespace vexa
