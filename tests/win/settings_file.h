// The real settings file "Spoolwright.ini" of the test prefix, emptied before
// and after each test, and written as raw text where a test needs a file as a
// user might have edited it.
#pragma once

#include "settings/settings_store.h"
#include "shell/program_state.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace swtest {

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        path_ = sw::SettingsFilePath();
        Remove();
        sw::CurrentPrinter.clear();
        sw::RememberedCopies = {};
        sw::PatternCount = 0;
    }
    void TearDown() override { Remove(); }

    const std::string& Path() const { return path_; }

    // Replaces the file with the given lines, as an editor would save them.
    void WriteRawFile(const std::string& text) {
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path_;
        DWORD written = 0;
        const BOOL ok =
            WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(ok && written == text.size());
        // Make the platform drop any copy of the old file it keeps.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    }

    std::string Read(const std::string& section, const std::string& key) const {
        return sw::ReadSetting(path_, section, key);
    }
    void Write(const std::string& section, const std::string& key, const std::string& value) {
        sw::WriteSetting(path_, section, key, value);
    }

  private:
    void Remove() {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
        DeleteFileA(path_.c_str());
    }

    std::string path_;
};

} // namespace swtest
