#include "printengine/data_type_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using sw::DataTypeMemory;
using sw::kDataTypeKeptMs;

// Each row remembers "XPS_PASS" for printer "A" at `askedAt` and recalls for
// `printer` at `now`.
TEST(DataTypeMemory, KeepsAnAnswerForItsTimeAndPrinterOnly) {
    const std::uint32_t nearWrap = 0xFFFFFFFFu - 500;
    const struct {
        std::uint32_t askedAt;
        std::string printer;
        std::uint32_t now;
        bool recalled;
    } rows[] = {
        {1000, "A", 1000, true},
        {1000, "A", 1000 + kDataTypeKeptMs - 1, true},
        {1000, "A", 1000 + kDataTypeKeptMs, false},
        {1000, "B", 1000, false},
        {1000, "a", 1000, false},     // another spelling asks the driver itself
        {nearWrap, "A", 1000, true},  // across the clock's wrap
        {nearWrap, "A", 2000, false}, // 2,501 ms after, across the wrap
        {1000, "A", 999, false},      // a clock gone back is a whole wrap later
    };
    for (const auto& row : rows) {
        DataTypeMemory memory;
        memory.Remember("A", "XPS_PASS", row.askedAt);
        const char* recalled = memory.Recall(row.printer, row.now);
        EXPECT_STREQ(recalled, row.recalled ? "XPS_PASS" : nullptr)
            << row.printer << " at " << row.now;
    }
}

} // namespace
