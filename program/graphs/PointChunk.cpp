#include "PointChunk.h"

#include <cstring>

namespace {

void AppendValue(ByteChunk& chunk, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int byte = 0; byte < 8; ++byte) {
        chunk.push_back(static_cast<std::uint8_t>(bits >> (8 * byte)));
    }
}

ByteChunk Pack(int n, std::initializer_list<const double*> columns) {
    ByteChunk chunk;
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    chunk.reserve(count * columns.size() * 8 + 1);
    for (std::size_t i = 0; i < count; ++i) {
        for (const double* column : columns) {
            AppendValue(chunk, column[i]);
        }
    }
    chunk.push_back(0);
    return chunk;
}

} // namespace

ByteChunk PackPoints2(int n, const double* x, const double* y) {
    return Pack(n, {x, y});
}

ByteChunk PackPoints3(int n, const double* x, const double* y, const double* z) {
    return Pack(n, {x, y, z});
}

double ChunkValue(const ByteChunk& chunk, std::size_t at) {
    std::uint64_t bits = 0;
    for (int byte = 0; byte < 8; ++byte) {
        bits |= static_cast<std::uint64_t>(chunk[at + static_cast<std::size_t>(byte)]) << (8 * byte);
    }
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
