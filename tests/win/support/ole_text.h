// Text results of the library arrive as OLE strings of ANSI bytes that the
// caller frees; tests take them over as std::string.
#pragma once

#include "common/library_text.h"

#include <string>

namespace swtest {

// A null result reads "<null>", so that a test tells it from an empty text.
inline std::string TakeOleText(BSTR text) {
    return text == nullptr ? "<null>" : sw::TakeLibraryText(text);
}

} // namespace swtest
