#include "block_test_support.h"
#include "function_file.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <random>

namespace vexa {
namespace {

// Damaged copies of a real function file: each either reads or fails with a FunctionFileError,
// never with anything else (the sanitizer build also catches reads out of bounds).
TEST(FunctionFileRobustness, DamagedFilesFailCleanly) {
    test::BlockBench bench;
    const auto example = std::filesystem::path(VEXA_CATALOG_DIR).parent_path() / "examples" /
                         "traffic_light" / "MAIN.pou";
    const std::string original = Cp1251ToUtf8(ReadFileBytes(example));
    ASSERT_NO_THROW(ReadFunctionText(original, bench.environment, {}));

    std::mt19937 random(2026);
    const std::string alphabet = "object end item <>[](){}='#+:-.0123456789 \r\nTbINAnchor$x";
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = original;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int edit = 0; edit < edits && !damaged.empty(); ++edit) {
            const std::size_t at = random() % damaged.size();
            switch (random() % 4) {
            case 0:
                damaged.erase(at, 1 + random() % 40);
                break;
            case 1:
                damaged.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            case 2:
                damaged[at] = static_cast<char>(random() % 256);
                break;
            default:
                damaged.resize(at);
                break;
            }
        }
        try {
            ReadFunctionText(damaged, bench.environment, {});
            ++read;
        } catch (const FunctionFileError&) {
        } catch (const std::exception& error) {
            FAIL() << "round " << round << ": " << error.what();
        }
    }
    EXPECT_GT(read, 0); // some damage (a changed digit, say) still reads
}

} // namespace
} // namespace vexa
