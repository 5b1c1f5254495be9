// The settings file as the dialog tests see it: read and written with the
// platform's profile functions, independently of the code under test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace swtest {

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
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), SettingsFile().c_str());
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

// Every dialog test starts from a fresh settings file.
class FreshSettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA(SettingsFile().c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, SettingsFile().c_str());
    }
};

} // namespace swtest
