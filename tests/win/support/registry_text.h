// Registry texts a test sets: associations of documents and addresses with
// programs, and the values the information commands read.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace swtest {

// Sets the text `name` of `key` (null: the key's default text), making the
// key when it is missing.
inline void SetRegistryText(HKEY root, const std::string& key, const char* name,
                            const std::string& value) {
    HKEY handle = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
        ERROR_SUCCESS)
        << key;
    EXPECT_EQ(RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS)
        << key;
    RegCloseKey(handle);
}

// The default text of a key of HKEY_CLASSES_ROOT set for one test: at scope
// end the key gets back the text it had, or is removed when it was missing.
class ScopedClassesText {
  public:
    ScopedClassesText(std::string key, const std::string& value) : key_(std::move(key)) {
        char old[1024] = {};
        LONG size = sizeof(old);
        had_ = RegQueryValueA(HKEY_CLASSES_ROOT, key_.c_str(), old, &size) == ERROR_SUCCESS;
        old_ = old;
        SetRegistryText(HKEY_CLASSES_ROOT, key_, nullptr, value);
    }
    ~ScopedClassesText() {
        if (had_)
            SetRegistryText(HKEY_CLASSES_ROOT, key_, nullptr, old_);
        else
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
    }
    ScopedClassesText(const ScopedClassesText&) = delete;
    ScopedClassesText& operator=(const ScopedClassesText&) = delete;

  private:
    std::string key_;
    bool had_ = false;
    std::string old_;
};

} // namespace swtest
