// Splitting of Windows paths. The only separator is the backslash: a forward
// slash and a drive colon are ordinary characters. Nothing is trimmed or
// normalised; callers that need surrounding spaces removed do it first.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// The text after the last backslash; the whole text when there is none.
std::string FileNamePart(std::string_view path);

// The text up to and including the last backslash; empty when there is none.
std::string FolderPart(std::string_view path);

// The text after the last dot of FileNamePart(path); empty when it has no dot.
std::string ExtensionPart(std::string_view path);

// The path with a backslash appended when it is not empty and does not end in one.
std::string AddTrailingBackslash(std::string_view path);

// True when the path, without the spaces at its ends, has the extension
// "BMP" in any letter case: such a file is printed through the driver.
bool IsBitmapFile(std::string_view path);

} // namespace sw
