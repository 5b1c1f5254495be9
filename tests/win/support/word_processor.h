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

// The program WordPad's App Paths key (under HKEY_LOCAL_MACHINE) names, set
// for one test; the key's own value, or no key, comes back at scope end.
class WordPadAppPath {
  public:
    explicit WordPadAppPath(const std::string& value) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
            char old[1024] = {};
            DWORD size = sizeof(old) - 1;
            had_ = RegQueryValueExA(key, nullptr, nullptr, &type_, reinterpret_cast<BYTE*>(old),
                                    &size) == ERROR_SUCCESS;
            old_ = old;
            RegCloseKey(key);
        }
        SetRegistryText(HKEY_LOCAL_MACHINE, kKey, nullptr, value);
    }
    ~WordPadAppPath() {
        if (!had_) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
            return;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegSetValueExA(key, nullptr, 0, type_, reinterpret_cast<const BYTE*>(old_.c_str()),
                           static_cast<DWORD>(old_.size() + 1));
            RegCloseKey(key);
        }
    }
    WordPadAppPath(const WordPadAppPath&) = delete;
    WordPadAppPath& operator=(const WordPadAppPath&) = delete;

  private:
    static constexpr char kKey[] =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\WORDPAD.EXE";
    bool had_ = false;
    DWORD type_ = REG_SZ;
    std::string old_;
};

// No WordPad anywhere: no ".wri" program and an App Paths key that names no file.
class NoWordPad {
  public:
    NoWordPad() : association_(""), appPath_("C:\\no such folder\\WORDPAD.EXE") {}

  private:
    WriAssociation association_;
    WordPadAppPath appPath_;
};

// Documents of the type ".swdoc" whose application prints them with the
// "printto" verb: `program` /pt "document" printer (no verb at all when
// `program` is empty). The printer comes quoted in the verb's parameters;
// %2 stands for it as it is.
class PrintToAssociation {
  public:
    explicit PrintToAssociation(const std::string& program)
        : type_(".swdoc", "SwTest.PrintToDocument"),
          command_(program.empty() ? "SwTest.PrintToDocument\\shell\\open\\command"
                                   : "SwTest.PrintToDocument\\shell\\printto\\command",
                   program.empty() ? std::string("notepad.exe \"%1\"")
                                   : "\"" + program + "\" /pt \"%1\" %2") {}

  private:
    ScopedClassesText type_, command_;
};

} // namespace swtest
