#include "oscilloscope_buffers.h"

#include "osc_pen.h"

#include <gtest/gtest.h>

#include <memory>

namespace vexa {
namespace {

TOscPen& AddPen(TatDiagram& page, int penIndex, PinValue value) {
    auto& pen = page.AddBlock(std::make_unique<TOscPen>(BlockEnvironment{}));
    pen.PenIndex = penIndex;
    pen.Value = value;
    return pen;
}

constexpr std::size_t kNewest = OscilloscopeBuffers::kSampleCount - 1;

class OscBuffersTest : public ::testing::Test {
protected:
    void ExpectAllZero(int pen) {
        for (double sample : buffers.Samples(pen)) {
            ASSERT_EQ(sample, 0.0) << "pen " << pen;
        }
    }

    OscilloscopeBuffers buffers;
};

TEST_F(OscBuffersTest, EachPenBlockPushesOneSampleIntoItsPen) {
    TatDiagram first;
    TatDiagram second;
    AddPen(first, 1, PinValue::Integer(5));
    AddPen(first, 9, PinValue::Real(7.0));
    AddPen(second, 2, PinValue::Real(2.5));
    AddPen(second, 1, PinValue::Boolean(true));
    AddPen(second, 0, PinValue::Real(7.0));

    buffers.Sample({&first, &second});
    EXPECT_EQ(buffers.At(1, kNewest - 1), 5.0);
    EXPECT_EQ(buffers.At(1, kNewest), -1.0);
    EXPECT_EQ(buffers.At(2, kNewest), 2.5);
    EXPECT_EQ(buffers.At(2, kNewest - 1), 0.0);
    for (int pen = 3; pen <= OscilloscopeBuffers::kPenCount; ++pen) {
        ExpectAllZero(pen);
    }

    buffers.Sample({&first, &second});
    const std::vector<double> pen1 = buffers.Samples(1);
    ASSERT_EQ(pen1.size(), OscilloscopeBuffers::kSampleCount);
    EXPECT_EQ(pen1[kNewest - 4], 0.0);
    EXPECT_EQ(pen1[kNewest - 3], 5.0);
    EXPECT_EQ(pen1[kNewest - 2], -1.0);
    EXPECT_EQ(pen1[kNewest - 1], 5.0);
    EXPECT_EQ(pen1[kNewest], -1.0);
    EXPECT_EQ(buffers.At(2, kNewest - 1), 2.5);
}

TEST_F(OscBuffersTest, SamplingStopsAtTheFirstPageWithoutDiagram) {
    TatDiagram first;
    TatDiagram third;
    AddPen(first, 3, PinValue::Integer(1));
    AddPen(third, 4, PinValue::Integer(1));
    buffers.Sample({&first, nullptr, &third});
    EXPECT_EQ(buffers.At(3, kNewest), 1.0);
    ExpectAllZero(4);
}

TEST_F(OscBuffersTest, OldestSamplesDropOutAndClearZeroesEverything) {
    TatDiagram page;
    TOscPen& pen = AddPen(page, 8, {});
    for (int tick = 1; tick <= 2500; ++tick) {
        pen.Value = PinValue::Integer(tick);
        buffers.Sample({&page});
    }
    EXPECT_EQ(buffers.At(8, 0), 500.0);
    EXPECT_EQ(buffers.At(8, kNewest), 2500.0);
    const std::vector<double> samples = buffers.Samples(8);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        ASSERT_EQ(samples[i], 500.0 + static_cast<double>(i)) << "index " << i;
    }

    buffers.Clear();
    ExpectAllZero(8);
    pen.Value = PinValue::Real(0.5);
    buffers.Sample({&page});
    EXPECT_EQ(buffers.At(8, kNewest), 0.5);
    EXPECT_EQ(buffers.At(8, kNewest - 1), 0.0);
}

} // namespace
} // namespace vexa
