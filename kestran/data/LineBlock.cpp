#include "data/LineBlock.h"

#include <cstring>

namespace kestran {

std::vector<QString> ReadLineBlock(const char* block, int slotCount) {
    std::vector<QString> lines;
    if (!block || slotCount <= 0) {
        return lines;
    }
    slotCount = std::min(slotCount, kMaxLineSlots);
    lines.reserve(size_t(slotCount));
    for (int s = 0; s < slotCount; ++s) {
        const char* slot = block + size_t(s) * kLineSlotBytes;
        lines.push_back(QString::fromUtf8(slot, qsizetype(strnlen(slot, kLineSlotBytes - 1))));
    }
    return lines;
}

QString TextOf(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace kestran
