// Text results of swprint.dll arrive as OLE strings that hold ANSI bytes and
// belong to the caller; this takes one over as a std::string and frees it.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

namespace sw {

// The bytes of `text` (its byte length counts, not a terminator); the empty
// text for a null string. `text` is freed.
inline std::string TakeLibraryText(BSTR text) {
    if (text == nullptr)
        return std::string();
    std::string result(reinterpret_cast<const char*>(text), SysStringByteLen(text));
    SysFreeString(text);
    return result;
}

} // namespace sw
