#pragma once
// Line blocks: consecutive 42-byte slotCount, each a NUL-terminated line of at most 41 characters.

#include <QString>
#include <vector>

namespace kestran {

constexpr int kLineSlotBytes = 42;
constexpr int kMaxLineSlots = 4096;

// The lines of a block of `slotCount` slotCount (at most kMaxLineSlots are read); a slot without its NUL
// is cut at 41 bytes. Null block or no slotCount: no lines.
std::vector<QString> ReadLineBlock(const char* block, int slotCount);

// A caller's NUL-terminated text (UTF-8); null gives an empty text.
QString TextOf(const char* text);

} // namespace kestran
