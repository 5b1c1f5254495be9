// Text results of the library arrive as OLE strings of ANSI bytes that the
// caller frees; tests take them over as std::string.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

namespace swtest {

inline std::string TakeOleText(BSTR text) {
    if (text == nullptr)
        return std::string("<null>");
    std::string result(reinterpret_cast<const char*>(text), SysStringByteLen(text));
    SysFreeString(text);
    return result;
}

} // namespace swtest
