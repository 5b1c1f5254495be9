#include "info/help_source.h"

#include "info/help_file_format.h"

#include <map>
#include <set>

namespace sw {
namespace {

bool IsContextName(std::string_view name) {
    if (name.empty())
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<unsigned> ParseNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

} // namespace

std::optional<HelpSource> ParseHelpSource(std::string_view text, std::string* error) {
    HelpSource source;
    std::string paragraph;
    std::size_t lineNumber = 0;
    std::string problem;
    auto fail = [&](const std::string& why) {
        problem = "line " + std::to_string(lineNumber) + ": " + why;
    };
    auto endParagraph = [&]() {
        if (paragraph.empty())
            return;
        if (paragraph.size() > kParagraphLimit)
            fail("paragraph longer than " + std::to_string(kParagraphLimit) + " characters");
        source.topics.back().paragraphs.push_back(HelpParagraph{paragraph, std::string()});
        paragraph.clear();
    };

    std::size_t start = 0;
    while (start <= text.size() && problem.empty()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.front() == '#')
            continue;
        if (source.title.empty()) {
            if (line.empty())
                continue;
            if (line.substr(0, 6) != "title:" || Trimmed(line.substr(6)).empty()) {
                fail("the file must begin with \"title: TEXT\"");
                break;
            }
            source.title = std::string(Trimmed(line.substr(6)));
            continue;
        }
        if (line.substr(0, 3) == "== ") {
            const std::string_view rest = Trimmed(line.substr(3));
            const std::size_t gap1 = rest.find(' ');
            const std::size_t gap2 =
                gap1 == std::string_view::npos ? gap1 : rest.find(' ', gap1 + 1);
            if (gap2 == std::string_view::npos) {
                fail("a topic line is \"== NUMBER CONTEXT TITLE\"");
                break;
            }
            if (!source.topics.empty())
                endParagraph();
            HelpTopic topic;
            const std::optional<unsigned> number = ParseNumber(rest.substr(0, gap1));
            topic.context = std::string(rest.substr(gap1 + 1, gap2 - gap1 - 1));
            topic.title = std::string(Trimmed(rest.substr(gap2 + 1)));
            if (!number || !IsContextName(topic.context) || topic.title.empty()) {
                fail("a topic line is \"== NUMBER CONTEXT TITLE\"");
                break;
            }
            topic.mapNumber = *number;
            source.topics.push_back(topic);
            continue;
        }
        if (source.topics.empty()) {
            if (!line.empty())
                fail("text before the first topic");
            continue;
        }
        if (line.empty()) {
            endParagraph();
            continue;
        }
        if (line.substr(0, 3) == "-> ") {
            endParagraph();
            const std::string target(Trimmed(line.substr(3)));
            source.topics.back().paragraphs.push_back(HelpParagraph{std::string(), target});
            continue;
        }
        if (!paragraph.empty())
            paragraph += ' ';
        paragraph += line;
    }
    if (problem.empty() && !source.topics.empty())
        endParagraph();

    if (problem.empty() && source.topics.empty())
        problem = "no topic";
    std::set<unsigned> numbers;
    std::map<std::string, std::string> titles;
    std::set<std::int32_t> hashes;
    for (const HelpTopic& topic : source.topics) {
        if (!problem.empty())
            break;
        if (!numbers.insert(topic.mapNumber).second)
            problem = "context number " + std::to_string(topic.mapNumber) + " used twice";
        else if (!hashes.insert(HelpContextHash(topic.context)).second)
            problem = "context " + topic.context + " used twice";
        titles[topic.context] = topic.title;
    }
    for (HelpTopic& topic : source.topics) {
        for (HelpParagraph& paragraph : topic.paragraphs) {
            if (paragraph.jumpTo.empty() || !problem.empty())
                continue;
            const auto target = titles.find(paragraph.jumpTo);
            if (target == titles.end())
                problem = "jump to an unknown topic " + paragraph.jumpTo;
            else
                paragraph.text = target->second;
        }
    }
    if (!problem.empty()) {
        if (error != nullptr)
            *error = problem;
        return std::nullopt;
    }
    return source;
}

} // namespace sw
