// The help file "Spoolwright.hlp": its source text, read into topics, and the
// file in the WinHelp 3.1 format that the platform's help viewer shows. The
// program opens it at context numbers; each topic carries one. Portable: the
// build makes the file with a host tool, and tests read it back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// The context numbers the program opens the help file at.
inline constexpr unsigned kHelpContents = 1;
inline constexpr unsigned kHelpSetUp = 10;

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

// The context hash the help format keys topics by.
std::int32_t HelpContextHash(std::string_view context);

// The bytes of the help file: the internal files |SYSTEM, |FONT, |TOPIC
// (uncompressed), |CONTEXT and |CTXOMAP, and their directory. The first topic
// is the contents.
std::string BuildHelpFile(const HelpSource& source);

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

// Reads back a help file as the viewer does; nothing when it is malformed.
std::optional<HelpFileContents> ReadHelpFile(std::string_view bytes);

} // namespace sw
