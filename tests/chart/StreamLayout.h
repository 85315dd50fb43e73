#pragma once
// An independent walk over a property stream's layout, for tests that look at or replace single
// blobs: header, scalars by kind, then one blob per array (96 single, 11 x 32 nested).

#include "InterfaceTables.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace charttest {

struct BlobSpan {
    std::size_t offset; // of the 32-bit byte count
    std::uint32_t byteCount;
};

struct StreamLayout {
    std::size_t scalarsOffset = 0;
    std::vector<std::size_t> scalarOffsets; // 48
    std::vector<BlobSpan> blobs;            // 96 + 11 * 32
    std::size_t end = 0;
};

StreamLayout WalkStream(const std::vector<std::uint8_t>& stream);

// Index of nested blob `inner` of family `family` (0..10) in StreamLayout::blobs.
std::size_t NestedBlobIndex(std::size_t family, std::size_t inner);

// The stream with blob `index` replaced by `blob` (its byte count and image).
std::vector<std::uint8_t> ReplaceBlob(const std::vector<std::uint8_t>& stream, std::size_t index,
                                      const std::vector<std::uint8_t>& blob);

// The elements of a blob's image read as `kind` (4-byte kinds as int32, doubles, strings as their
// bytes); empty for a byte count of 0.
std::vector<Value> BlobElements(const std::vector<std::uint8_t>& stream, const BlobSpan& blob, Kind kind);

// A blob of 32-bit elements (count as 16 bits) or of doubles.
std::vector<std::uint8_t> LongBlob(const std::vector<std::int32_t>& values);
std::vector<std::uint8_t> DoubleBlob(const std::vector<double>& values);

} // namespace charttest
