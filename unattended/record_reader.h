// Little-endian fields of fixed-size binary records. The reader remembers the
// first error, so that a whole sequence of reads is checked once at the end;
// the writer pads texts with NUL bytes to their field's width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

enum class RecordError {
    None,
    Truncated,        // the block ended before a field did
    UnterminatedText, // a text field holds no NUL byte
};

class RecordReader {
  public:
    RecordReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // A field that does not fit in what is left reads as 0 (or as the empty
    // text) and records Truncated.
    std::int32_t Int32();
    std::int16_t Int16();
    // The bytes up to the first NUL of a field of `width` bytes; the bytes after
    // it carry no meaning. Without a NUL the whole field is the text, and
    // UnterminatedText is recorded.
    std::string Text(std::size_t width);
    void Skip(std::size_t width);

    RecordError Error() const { return error_; }

  private:
    bool Take(std::size_t width, const std::uint8_t*& field);
    void Fail(RecordError error);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    RecordError error_ = RecordError::None;
};

// Writes into a caller's block of known size; writes past its end are dropped,
// which the record layout's own sizes rule out.
class RecordWriter {
  public:
    RecordWriter(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    void Int32(std::int32_t value);
    void Int16(std::int16_t value);
    // At most width - 1 bytes of the text, then NUL bytes up to the width.
    void Text(std::string_view text, std::size_t width);

  private:
    void Byte(std::uint8_t value);

    std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

} // namespace sw
