#pragma once
// Little-endian byte codec for the property stream. Every value is written and read byte by byte,
// so the stream layout never depends on the compiler's struct layout or the machine's byte order.
// The reader refuses any read that the remaining bytes cannot satisfy and stays failed afterwards,
// so a caller may read a whole record and test once.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace chart {

class ByteWriter {
public:
    ByteWriter() = default;
    // Room for about the bytes expected, taken at once.
    explicit ByteWriter(std::size_t expectedBytes) { bytes_.reserve(expectedBytes); }
    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void F64(double value);
    void Bytes(const std::uint8_t* data, std::size_t count);

    std::size_t Size() const { return bytes_.size(); }
    // Overwrites four bytes already written (a byte count known only after its content).
    void PatchU32(std::size_t offset, std::uint32_t value);

    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool U8(std::uint8_t& value);
    bool U16(std::uint16_t& value);
    bool U32(std::uint32_t& value);
    bool I32(std::int32_t& value);
    bool F64(double& value);
    // A view of the next count bytes, which the reader steps over; null when they are not there.
    const std::uint8_t* Take(std::size_t count);
    bool Skip(std::size_t count) { return Take(count) != nullptr || count == 0; }

    std::size_t Remaining() const { return ok_ ? size_ - pos_ : 0; }
    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace chart
