// The real settings file "Spoolwright.ini" of the test prefix, emptied before
// and after each test. Tests write it as raw text where they need a file as a
// user might have edited it, and read and write single entries with the
// platform's profile functions, independently of the code under test.
#pragma once

#include "settings/settings_store.h"
#include "support/file_writer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace swtest {

// The settings file's path as the platform gives the Windows folder.
inline std::string SettingsFile() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\Spoolwright.ini";
}

// The stored value, or "<missing>" when the key is not there.
inline std::string Stored(const std::string& section, const std::string& key) {
    char value[512] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", value, sizeof(value),
                             SettingsFile().c_str());
    return value;
}

inline void Store(const std::string& section, const std::string& key, const std::string& value) {
    EXPECT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                           SettingsFile().c_str()));
}

// The placement box of bitmap prints, used without asking when `useSaved` is "-1".
inline void StoreBitmapBox(const char* useSaved, const char* left, const char* top,
                           const char* width, const char* height) {
    const std::pair<const char*, const char*> entries[] = {
        {"UseSaved", useSaved}, {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
    for (const auto& [key, value] : entries)
        Store("BMPprint", key, value);
}

inline bool SectionExists(const std::string& section) {
    char names[4096] = {};
    const DWORD length =
        GetPrivateProfileSectionNamesA(names, sizeof(names), SettingsFile().c_str());
    for (const char* name = names; name < names + length && *name != '\0';
         name += std::string(name).size() + 1) {
        if (lstrcmpiA(name, section.c_str()) == 0)
            return true;
    }
    return false;
}

// Every test starts from no settings file.
class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        path_ = sw::SettingsFilePath();
        Remove();
    }
    void TearDown() override { Remove(); }

    const std::string& Path() const { return path_; }

    // Replaces the file with the given lines, as an editor would save them.
    void WriteRawFile(const std::string& text) {
        ASSERT_TRUE(WriteToFile(path_, text)) << "cannot write " << path_;
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
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    }

    std::string path_;
};

} // namespace swtest
