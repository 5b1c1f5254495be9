// The HTML edition of the help, written from the same source as
// "Spoolwright.hlp": one page per topic, named after the topic's context, so
// that the program opens a topic in the default browser where the system has
// no WinHelp viewer. Portable: the build writes the pages with a host tool.
#pragma once

#include "info/help_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// The folder beside the program that holds the pages.
inline constexpr char kHelpPagesFolder[] = "help";

struct HelpPage {
    std::string fileName; // the topic's context and ".html"
    std::string html;     // the whole page, UTF-8
};

// The file name of the page of the topic with this context name.
std::string HelpPageName(std::string_view context);

// One page per topic: the help's title, the topic's title as its heading,
// each paragraph, jumps as links to the target topic's page (shown with its
// title), and on every page but the first a link back to the contents.
std::vector<HelpPage> BuildHelpPages(const HelpSource& source);

// The text with the characters that HTML gives a meaning (& < > ") escaped.
std::string HtmlEscaped(std::string_view text);

} // namespace sw
