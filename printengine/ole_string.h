// Text results cross to callers as OLE strings that hold ANSI bytes, as
// callers in other languages expect; the caller frees them.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string_view>

namespace sw {

inline BSTR OleStringFromAnsi(std::string_view text) {
    return SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
}

} // namespace sw
