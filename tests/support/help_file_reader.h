// Reads a finished help file back as the platform's help viewer does, so that
// the tests of every tier can check what the help file writer wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace swtest {

// What a reader finds in a help file: its title and, for each context
// number, the title of the topic it opens and the texts of that topic.
struct HelpFileContents {
    std::string title;
    std::vector<std::string> internalFiles;
    struct MappedTopic {
        std::uint32_t mapNumber;
        std::string title;
        std::vector<std::string> texts;
    };
    std::vector<MappedTopic> topics;
};

// Nothing when the bytes are not a help file of the writer's format.
std::optional<HelpFileContents> ReadHelpFile(std::string_view bytes);

} // namespace swtest
