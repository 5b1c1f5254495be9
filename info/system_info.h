// The platform's system information tool, found through the registry.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

inline constexpr char kSystemInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSystemInfoValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsValue[] = "MSINFO";
inline constexpr char kSystemInfoProgram[] = "\\MSINFO32.EXE";

// True and the value's text when the key opens for reading and the value is
// a text (REG_SZ) of less than 1024 bytes; false and an empty text otherwise.
// The key is opened for reading only, which every user may.
bool ReadRegistryText(HKEY root, const char* keyPath, const char* valueName, std::string& text);

// Starts the tool in a normal window when it can be found, without waiting
// for it; does nothing otherwise.
void ShowSystemInfo();

} // namespace sw
