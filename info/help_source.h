// The help file's source text ("info/help/Spoolwright.txt"), read into
// topics for the help file writer. Portable: the build reads it with a host
// tool, and the tests read sources of their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// A paragraph is text, or a jump to another topic (shown as that topic's title).
struct HelpParagraph {
    std::string text;
    std::string jumpTo; // the context name of the target; empty for plain text
};

struct HelpTopic {
    unsigned mapNumber = 0;
    std::string context; // letters, digits, '_' and '.'
    std::string title;
    std::vector<HelpParagraph> paragraphs;
};

struct HelpSource {
    std::string title;
    std::vector<HelpTopic> topics;
};

// Reads the source text:
//   title: TEXT                 the help file's title (first line that is not a comment)
//   == NUMBER CONTEXT TITLE     starts a topic with its context number and name
//   -> CONTEXT                  a paragraph that jumps to that topic
//   lines of text               a paragraph; a blank line ends it
//   # ...                       a comment
// Nothing, with the reason in `error`, when a line is malformed, a number or
// context is used twice, a jump has no target or a paragraph is too long.
std::optional<HelpSource> ParseHelpSource(std::string_view text, std::string* error);

} // namespace sw
