// Feeds arbitrary texts to the help source reader: nothing crashes, and a
// source it accepts becomes a help file that reads back with every topic at
// its context number. Arbitrary bytes are also read as a help file.
#include "fuzz_check.h"
#include "info/help_file_writer.h"
#include "info/help_source.h"
#include "tests/support/help_file_reader.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = swfuzz::Text(data, size);
    swtest::ReadHelpFile(input);
    const auto source = sw::ParseHelpSource(input, nullptr);
    if (!source)
        return 0;
    const auto contents = swtest::ReadHelpFile(sw::BuildHelpFile(*source));
    swfuzz::CrashIf(!contents || contents->topics.size() != source->topics.size());
    for (std::size_t i = 0; i < source->topics.size(); ++i) {
        swfuzz::CrashIf(contents->topics[i].mapNumber != source->topics[i].mapNumber ||
                        contents->topics[i].title != source->topics[i].title);
    }
    return 0;
}
