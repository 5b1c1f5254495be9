// The WinHelp 3.1 format of "Spoolwright.hlp", as far as the help file writer
// uses it: the sizes of its blocks and records, the record types, the magic
// numbers, and the hash that keys topics by their context names. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sw {

// A topic block holds a 12-byte header and 4084 bytes of records; a record
// position counts 0x4000 per block.
inline constexpr std::size_t kTopicBlockSize = 0x1000;
inline constexpr std::size_t kTopicBlockHeader = 0x0C;
inline constexpr std::size_t kTopicBlockData = kTopicBlockSize - kTopicBlockHeader;
inline constexpr std::size_t kRecordHeader = 0x15;
inline constexpr std::size_t kTopicHeaderSize = 28;
inline constexpr std::size_t kTreePageSize = 0x400;
// "No such record or topic" in the offsets and references.
inline constexpr std::uint32_t kNone = 0xFFFFFFFF;
// A paragraph's length travels in a two-byte compressed number.
inline constexpr std::size_t kParagraphLimit = 16000;

inline constexpr std::uint8_t kTopicHeaderRecord = 0x02;
inline constexpr std::uint8_t kTextRecord = 0x20;

inline constexpr std::uint32_t kHelpFileMagic = 0x00035F3F;
inline constexpr std::uint32_t kTreeMagic = 0x293B;
inline constexpr std::uint32_t kSystemMagic = 0x036C;

// The context hash the help format keys topics by: letters in any case,
// digits, '.' and '_' count, other characters are passed over.
std::int32_t HelpContextHash(std::string_view context);

} // namespace sw
