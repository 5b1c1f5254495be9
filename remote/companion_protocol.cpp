#include "remote/companion_protocol.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"

namespace sw {

std::string PrintMethodText(std::string_view file) {
    if (IsBitmapFile(file))
        return "BMP";
    const std::string extension = UpperCase(ExtensionPart(TrimSpaces(file)));
    if (extension == "DOC" || extension == "RTF")
        return "DOC";
    return "BYPASS";
}

} // namespace sw
