#include "info/help_pages.h"

namespace sw {
namespace {

const HelpTopic* TopicOfContext(const HelpSource& source, const std::string& context) {
    for (const HelpTopic& topic : source.topics) {
        if (topic.context == context)
            return &topic;
    }
    return nullptr;
}

std::string Link(const HelpTopic& target) {
    return "<a href=\"" + HtmlEscaped(HelpPageName(target.context)) + "\">" +
           HtmlEscaped(target.title) + "</a>";
}

std::string Page(const HelpSource& source, const HelpTopic& topic) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>" +
                       HtmlEscaped(topic.title) + " - " + HtmlEscaped(source.title) +
                       "</title>\n<style>body{font-family:sans-serif;max-width:40em;margin:1em "
                       "auto;padding:0 1em;line-height:1.4}</style>\n</head>\n<body>\n"
                       "<p>" +
                       HtmlEscaped(source.title) + "</p>\n<h1>" + HtmlEscaped(topic.title) +
                       "</h1>\n";
    for (const HelpParagraph& paragraph : topic.paragraphs) {
        const HelpTopic* target =
            paragraph.jumpTo.empty() ? nullptr : TopicOfContext(source, paragraph.jumpTo);
        html +=
            "<p>" + (target != nullptr ? Link(*target) : HtmlEscaped(paragraph.text)) + "</p>\n";
    }
    if (!source.topics.empty() && &topic != &source.topics.front())
        html += "<hr>\n<p>" + Link(source.topics.front()) + "</p>\n";
    return html + "</body>\n</html>\n";
}

} // namespace

std::string HelpPageName(std::string_view context) {
    return std::string(context) + ".html";
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::vector<HelpPage> BuildHelpPages(const HelpSource& source) {
    std::vector<HelpPage> pages;
    for (const HelpTopic& topic : source.topics)
        pages.push_back(HelpPage{HelpPageName(topic.context), Page(source, topic)});
    return pages;
}

} // namespace sw
