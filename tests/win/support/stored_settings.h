// Several entries of one section of the settings file, written or checked at
// once: dialog tests set up and expect whole groups of keys.
#pragma once

#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace swtest {

using KeyValues = std::initializer_list<std::pair<const char*, std::string>>;

inline void StoreAll(const std::string& section, KeyValues entries) {
    for (const auto& [key, value] : entries)
        Store(section, key, value);
}

// "<missing>" expects the key not to be there.
inline void ExpectStored(const std::string& section, KeyValues entries) {
    for (const auto& [key, value] : entries)
        EXPECT_EQ(Stored(section, key), value) << "[" << section << "] " << key;
}

} // namespace swtest
