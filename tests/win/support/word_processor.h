// The stand-in word processor fake_wordpad.exe of the document tests, and the
// places a test puts it for one test: WordPad's fixed path, another word
// processor's name, the program of ".wri" documents.
#pragma once

#include "support/registry_text.h"
#include "support/temp_files.h"
#include "support/text_lines.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace swtest {

inline constexpr char kWordPadFolder[] = "C:\\Program Files\\Accessories";
inline constexpr char kWordPadFixedPath[] = "C:\\Program Files\\Accessories\\Wordpad.exe";

// Tells the stand-ins started from now on how to behave ("finished", "plain"
// or "no-window") and where to log how they were started (command line, show
// state, the default printer they saw), through the environment they
// inherit. The log is removed at scope end.
class WordProcessorStandIn {
  public:
    explicit WordProcessorStandIn(const char* mode) : log_(TempPath() + "fake-wordpad.log") {
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_LOG", log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_MODE", mode);
    }
    ~WordProcessorStandIn() {
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_LOG", nullptr);
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_MODE", nullptr);
        DeleteFileA(log_.c_str());
    }

    bool Ran() const { return FileExists(log_); }
    // What they logged; empty when none ran.
    std::string Log() const { return Ran() ? ReadWholeFile(log_) : std::string(); }
    // The text after "KEY " on the line that starts with it.
    std::string Entry(const std::string& key) const {
        for (const std::string& line : SplitLines(Log(), "\r\n")) {
            if (line.rfind(key + " ", 0) == 0)
                return line.substr(key.size() + 1);
        }
        return "(no " + key + " line)";
    }

  private:
    const std::string log_;
};

// `program` copied to WordPad's fixed path.
class WordPadAtFixedPath {
  public:
    explicit WordPadAtFixedPath(const std::string& program)
        : createdFolder_(CreateDirectoryA(kWordPadFolder, nullptr) != FALSE) {
        EXPECT_TRUE(CopyFileA(program.c_str(), kWordPadFixedPath, FALSE)) << GetLastError();
    }
    ~WordPadAtFixedPath() {
        DeleteFileA(kWordPadFixedPath);
        if (createdFolder_)
            RemoveDirectoryA(kWordPadFolder);
    }

  private:
    const bool createdFolder_;
};

// A copy of `program` in TEMP under a name without "wordpad", as another word
// processor would be.
class OtherWordProcessor {
  public:
    explicit OtherWordProcessor(const std::string& program)
        : path_(TempPath() + "other_editor.exe") {
        EXPECT_TRUE(CopyFileA(program.c_str(), path_.c_str(), FALSE)) << GetLastError();
    }
    ~OtherWordProcessor() { DeleteFileA(path_.c_str()); }

    const std::string& Path() const { return path_; }

  private:
    const std::string path_;
};

// Makes `program` the program of ".wri" documents (no program at all when
// empty); the prefix's own association comes back at scope end.
class WriAssociation {
  public:
    explicit WriAssociation(const std::string& program)
        : type_(".wri", program.empty() ? "SwTest.NoSuchDocument" : "SwTest.Document"),
          command_("SwTest.Document\\shell\\open\\command", "\"" + program + "\" \"%1\"") {}

  private:
    ScopedClassesText type_, command_;
};

} // namespace swtest
