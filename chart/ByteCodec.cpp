#include "ByteCodec.h"

#include <cstring>

namespace chart {

void ByteWriter::U16(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::U32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

void ByteWriter::F64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) {
        bytes_.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
    }
}

void ByteWriter::Bytes(const std::uint8_t* data, std::size_t count) {
    bytes_.insert(bytes_.end(), data, data + count);
}

void ByteWriter::PatchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes_.at(offset + i) = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

const std::uint8_t* ByteReader::Take(std::size_t count) {
    if (!ok_ || count > size_ - pos_) {
        ok_ = false;
        return nullptr;
    }
    const std::uint8_t* at = data_ + pos_;
    pos_ += count;
    return at;
}

bool ByteReader::U8(std::uint8_t& value) {
    const std::uint8_t* p = Take(1);
    if (p == nullptr) {
        return false;
    }
    value = p[0];
    return true;
}

bool ByteReader::U16(std::uint16_t& value) {
    const std::uint8_t* p = Take(2);
    if (p == nullptr) {
        return false;
    }
    value = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    return true;
}

bool ByteReader::U32(std::uint32_t& value) {
    const std::uint8_t* p = Take(4);
    if (p == nullptr) {
        return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return true;
}

bool ByteReader::I32(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!U32(bits)) {
        return false;
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::F64(double& value) {
    const std::uint8_t* p = Take(8);
    if (p == nullptr) {
        return false;
    }
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | p[i];
    }
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

} // namespace chart
