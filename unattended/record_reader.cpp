#include "unattended/record_reader.h"

#include <cstring>

namespace sw {

void RecordReader::Fail(RecordError error) {
    if (error_ == RecordError::None)
        error_ = error;
}

bool RecordReader::Take(std::size_t width, const std::uint8_t*& field) {
    if (offset_ > size_ || width > size_ - offset_) {
        offset_ = size_;
        Fail(RecordError::Truncated);
        return false;
    }
    field = data_ + offset_;
    offset_ += width;
    return true;
}

std::int32_t RecordReader::Int32() {
    const std::uint8_t* field = nullptr;
    if (!Take(4, field))
        return 0;
    const std::uint32_t value =
        static_cast<std::uint32_t>(field[0]) | static_cast<std::uint32_t>(field[1]) << 8 |
        static_cast<std::uint32_t>(field[2]) << 16 | static_cast<std::uint32_t>(field[3]) << 24;
    // Two's complement, without relying on an implementation-defined conversion.
    return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value)
                                : -static_cast<std::int32_t>(~value) - 1;
}

std::int16_t RecordReader::Int16() {
    const std::uint8_t* field = nullptr;
    if (!Take(2, field))
        return 0;
    const int value = field[0] | field[1] << 8;
    return static_cast<std::int16_t>(value <= 0x7FFF ? value : value - 0x10000);
}

std::string RecordReader::Text(std::size_t width) {
    const std::uint8_t* field = nullptr;
    if (!Take(width, field))
        return std::string();
    const void* end = std::memchr(field, 0, width);
    if (end == nullptr) {
        Fail(RecordError::UnterminatedText);
        return std::string(reinterpret_cast<const char*>(field), width);
    }
    return std::string(reinterpret_cast<const char*>(field),
                       static_cast<const std::uint8_t*>(end) - field);
}

void RecordReader::Skip(std::size_t width) {
    const std::uint8_t* field = nullptr;
    Take(width, field);
}

void RecordWriter::Byte(std::uint8_t value) {
    if (offset_ < size_)
        data_[offset_] = value;
    ++offset_;
}

void RecordWriter::Int32(std::int32_t value) {
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        Byte(static_cast<std::uint8_t>(bits >> shift & 0xFF));
}

void RecordWriter::Int16(std::int16_t value) {
    const std::uint16_t bits = static_cast<std::uint16_t>(value);
    Byte(static_cast<std::uint8_t>(bits & 0xFF));
    Byte(static_cast<std::uint8_t>(bits >> 8 & 0xFF));
}

void RecordWriter::Text(std::string_view text, std::size_t width) {
    if (width == 0)
        return;
    const std::size_t length = text.size() < width - 1 ? text.size() : width - 1;
    for (std::size_t i = 0; i < width; ++i)
        Byte(i < length ? static_cast<std::uint8_t>(text[i]) : 0);
}

} // namespace sw
