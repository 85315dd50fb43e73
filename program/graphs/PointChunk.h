#pragma once
// The stored form of a curve's points: n records of 2 (X, Y) or 3 (X, Y, Z) doubles in
// little-endian IEEE 754 order, then one zero byte. The record count is stored beside the chunk.

#include <cstdint>
#include <vector>

using ByteChunk = std::vector<std::uint8_t>;

// From elements 0 to n - 1 of the arrays; n below 0 counts as 0.
ByteChunk PackPoints2(int n, const double* x, const double* y);
ByteChunk PackPoints3(int n, const double* x, const double* y, const double* z);

// The value at byte offset 'at' of a chunk; the caller keeps 'at' + 8 within the chunk.
double ChunkValue(const ByteChunk& chunk, std::size_t at);
