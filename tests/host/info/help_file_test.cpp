#include "info/help_contexts.h"
#include "info/help_file_format.h"
#include "info/help_file_writer.h"
#include "info/help_pages.h"
#include "info/help_source.h"
#include "tests/support/help_file_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

const char kSource[] = "# comment\n"
                       "title: Test Help\n"
                       "== 1 contents Contents\n"
                       "First line\n"
                       "continues here.\n"
                       "\n"
                       "-> setup\n"
                       "== 10 setup Set-up done\n"
                       "Installed.\n";

// The program's own help source, as the build reads it.
std::string ProgramsHelpSource() {
    std::ifstream in(std::string(SW_SOURCE_DIR) + "/info/help/Spoolwright.txt");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(HelpFile, TheHashIsTheViewersContextHash) {
    // Values the format's hash gives: letters 17.., digits, '.', '_'; others skipped.
    EXPECT_EQ(sw::HelpContextHash(""), 0);
    EXPECT_EQ(sw::HelpContextHash("a"), 17);
    EXPECT_EQ(sw::HelpContextHash("A"), 17);
    EXPECT_EQ(sw::HelpContextHash("ab"), 17 * 43 + 18);
    EXPECT_EQ(sw::HelpContextHash("a-b"), 17 * 43 + 18);
    EXPECT_EQ(sw::HelpContextHash("0._1"), ((10 * 43 + 12) * 43 + 13) * 43 + 1);
}

TEST(HelpFile, SourceTextBecomesTopicsWithParagraphsAndJumps) {
    std::string error;
    const auto source = sw::ParseHelpSource(kSource, &error);
    ASSERT_TRUE(source) << error;
    EXPECT_EQ(source->title, "Test Help");
    ASSERT_EQ(source->topics.size(), 2u);
    EXPECT_EQ(source->topics[0].mapNumber, 1u);
    EXPECT_EQ(source->topics[0].context, "contents");
    ASSERT_EQ(source->topics[0].paragraphs.size(), 2u);
    EXPECT_EQ(source->topics[0].paragraphs[0].text, "First line continues here.");
    EXPECT_EQ(source->topics[0].paragraphs[1].jumpTo, "setup");
    EXPECT_EQ(source->topics[0].paragraphs[1].text, "Set-up done");
    EXPECT_EQ(source->topics[1].title, "Set-up done");
}

TEST(HelpFile, MalformedSourcesSayWhichLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"== 1 a A\n", "line 1: the file must begin with \"title: TEXT\""},
        {"title: T\ntext\n", "line 2: text before the first topic"},
        {"title: T\n== x a A\n", "line 2: a topic line is \"== NUMBER CONTEXT TITLE\""},
        {"title: T\n== 1 a-b A\n", "line 2: a topic line is \"== NUMBER CONTEXT TITLE\""},
        {"title: T\n== 1 a\n", "line 2: a topic line is \"== NUMBER CONTEXT TITLE\""},
        {"title: T\n== 1 a A\n== 1 b B\n", "context number 1 used twice"},
        {"title: T\n== 1 a A\n== 2 A B\n", "context A used twice"},
        {"title: T\n== 1 a A\n-> nowhere\n", "jump to an unknown topic nowhere"},
        {"title: T\n", "no topic"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_FALSE(sw::ParseHelpSource(text, &error)) << text;
        EXPECT_EQ(error, expected) << text;
    }
}

TEST(HelpFile, TheBuiltFileOpensEachContextNumberAtItsTopic) {
    const auto source = sw::ParseHelpSource(kSource, nullptr);
    ASSERT_TRUE(source);
    const std::string bytes = sw::BuildHelpFile(*source);
    const auto contents = swtest::ReadHelpFile(bytes);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->title, "Test Help");
    EXPECT_EQ(contents->internalFiles,
              (std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC"}));
    ASSERT_EQ(contents->topics.size(), 2u);
    EXPECT_EQ(contents->topics[0].mapNumber, 1u);
    EXPECT_EQ(contents->topics[0].title, "Contents");
    EXPECT_EQ(contents->topics[0].texts,
              (std::vector<std::string>{"Contents", "First line continues here.", "Set-up done"}));
    EXPECT_EQ(contents->topics[1].mapNumber, 10u);
    EXPECT_EQ(contents->topics[1].texts, (std::vector<std::string>{"Set-up done", "Installed."}));
    // The same source gives the same bytes.
    EXPECT_EQ(sw::BuildHelpFile(*source), bytes);
}

TEST(HelpFile, TopicsSpanningSeveralBlocksKeepTheirOffsets) {
    std::string text = "title: Long\n";
    for (int topic = 1; topic <= 12; ++topic) {
        text += "== " + std::to_string(topic) + " t" + std::to_string(topic) + " Topic " +
                std::to_string(topic) + "\n";
        for (int paragraph = 0; paragraph < 4; ++paragraph)
            text += std::string(300, static_cast<char>('a' + topic)) + "\n\n";
    }
    const auto source = sw::ParseHelpSource(text, nullptr);
    ASSERT_TRUE(source);
    const auto contents = swtest::ReadHelpFile(sw::BuildHelpFile(*source));
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->topics.size(), 12u);
    for (int topic = 1; topic <= 12; ++topic) {
        EXPECT_EQ(contents->topics[topic - 1].title, "Topic " + std::to_string(topic));
        ASSERT_EQ(contents->topics[topic - 1].texts.size(), 5u);
        EXPECT_EQ(contents->topics[topic - 1].texts[4],
                  std::string(300, static_cast<char>('a' + topic)));
    }
}

TEST(HelpFile, TheProgramsHelpSourceHasBothContexts) {
    const std::string text = ProgramsHelpSource();
    ASSERT_FALSE(text.empty()) << "cannot read the program's help source";
    std::string error;
    const auto source = sw::ParseHelpSource(text, &error);
    ASSERT_TRUE(source) << error;
    const auto contents = swtest::ReadHelpFile(sw::BuildHelpFile(*source));
    ASSERT_TRUE(contents);
    std::vector<std::uint32_t> numbers;
    for (const auto& topic : contents->topics)
        numbers.push_back(topic.mapNumber);
    EXPECT_NE(std::find(numbers.begin(), numbers.end(), sw::kHelpContents), numbers.end());
    EXPECT_NE(std::find(numbers.begin(), numbers.end(), sw::kHelpSetUp), numbers.end());
}

TEST(HelpFile, DamagedFilesReadAsNothing) {
    const std::string good = sw::BuildHelpFile(*sw::ParseHelpSource(kSource, nullptr));
    EXPECT_FALSE(swtest::ReadHelpFile(""));
    EXPECT_FALSE(swtest::ReadHelpFile(good.substr(0, good.size() - 1)));
    EXPECT_FALSE(swtest::ReadHelpFile("x" + good.substr(1))) << "a wrong first byte of the magic";
}

// The HTML edition: one page per topic, named after its context, jumps as
// links, texts escaped, and a way back to the contents from every other page.
TEST(HelpPages, OnePagePerTopicWithLinksAndEscapedText) {
    std::string error;
    const auto source = sw::ParseHelpSource("title: A & B Help\n"
                                            "== 1 contents Contents\n"
                                            "Use <Ctrl> & \"quotes\".\n"
                                            "\n"
                                            "-> setup\n"
                                            "== 10 setup Set-up done\n"
                                            "Installed.\n",
                                            &error);
    ASSERT_TRUE(source) << error;
    const std::vector<sw::HelpPage> pages = sw::BuildHelpPages(*source);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].fileName, "contents.html");
    EXPECT_EQ(pages[1].fileName, "setup.html");
    const std::string& contents = pages[0].html;
    EXPECT_NE(contents.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(contents.find("<title>Contents - A &amp; B Help</title>"), std::string::npos);
    EXPECT_NE(contents.find("<h1>Contents</h1>"), std::string::npos);
    EXPECT_NE(contents.find("<p>Use &lt;Ctrl&gt; &amp; &quot;quotes&quot;.</p>"),
              std::string::npos);
    EXPECT_NE(contents.find("<p><a href=\"setup.html\">Set-up done</a></p>"), std::string::npos);
    EXPECT_EQ(contents.find("<hr>"), std::string::npos) << "the contents need no way back";
    EXPECT_NE(pages[1].html.find("<p><a href=\"contents.html\">Contents</a></p>"),
              std::string::npos);
}

// The program opens the pages of contexts 1 and 10 by these names.
TEST(HelpPages, TheProgramsContextsHaveTheirPages) {
    const std::string text = ProgramsHelpSource();
    ASSERT_FALSE(text.empty()) << "cannot read the program's help source";
    std::string error;
    const auto source = sw::ParseHelpSource(text, &error);
    ASSERT_TRUE(source) << error;
    for (const unsigned context : {sw::kHelpContents, sw::kHelpSetUp}) {
        const auto topic =
            std::find_if(source->topics.begin(), source->topics.end(),
                         [&](const sw::HelpTopic& t) { return t.mapNumber == context; });
        ASSERT_NE(topic, source->topics.end()) << context;
        EXPECT_EQ(topic->context, sw::HelpContextName(context)) << context;
    }
    EXPECT_EQ(sw::HelpContextName(2), nullptr);
}

// What the help says of the main window matches the program: a drop selects,
// the globe is the maker's web site, the unattended state is in the tool bar.
TEST(HelpPages, TheMainWindowTopicDescribesTheWindowAsItIs) {
    const std::string text = ProgramsHelpSource();
    const std::pair<const char*, bool> phrases[] = {
        {"it is selected and printed", false},
        {"it is selected, not printed", true},
        {"the tool bar button with the globe) keeps the list of remote sites", false},
        {"the maker's web site (the globe)", true},
        {"status bar shows the selected file, the state of unattended printing", false},
        {"At the right end of the tool bar, the indicator shows whether unattended", true},
    };
    for (const auto& [phrase, present] : phrases)
        EXPECT_EQ(text.find(phrase) != std::string::npos, present) << phrase;
}

} // namespace
