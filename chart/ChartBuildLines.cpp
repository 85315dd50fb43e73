#include "ChartBuildLines.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace chart {

namespace {

// The UTF-8 bytes of a line, cut so that a multi-byte character is never split.
QByteArray FitSlot(const QString& line) {
    QByteArray bytes = line.toUtf8();
    int length = std::min<int>(bytes.size(), kLineSlotBytes - 1);
    while (length > 0 && length < bytes.size() &&
           (static_cast<unsigned char>(bytes[length]) & 0xC0) == 0x80) {
        --length;
    }
    bytes.truncate(length);
    return bytes;
}

void StoreSlot(LineBlock& block, int slot, const QString& line) {
    const QByteArray bytes = FitSlot(line);
    std::memcpy(block.data() + static_cast<std::size_t>(slot) * kLineSlotBytes, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
}

} // namespace

LineBlock SplitLines(const QString& text, int& count) {
    std::vector<QString> lines;
    QString current;
    bool pending = false;
    for (const QChar c : text) {
        if (static_cast<int>(lines.size()) >= count) {
            pending = false;
            break;
        }
        if (c == QLatin1Char('\n')) {
            continue;
        }
        if (c == QLatin1Char('\r') || c == QChar(0)) {
            lines.push_back(current);
            current.clear();
            pending = false;
            continue;
        }
        current += c;
        pending = true;
    }
    if (pending && !current.isEmpty() && static_cast<int>(lines.size()) < count) {
        lines.push_back(current);
    }
    const int slotCount =
        std::max({static_cast<int>(text.count(QLatin1Char('\r'))), 100, static_cast<int>(lines.size())});
    LineBlock block(static_cast<std::size_t>(slotCount) * kLineSlotBytes, '\0');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        StoreSlot(block, static_cast<int>(i), lines[i]);
    }
    count = slotCount;
    return block;
}

LineBlock LinesToBlock(const StringArray& lines, int count) {
    count = std::clamp(count, 0, static_cast<int>(lines.size()));
    LineBlock block(static_cast<std::size_t>(count) * kLineSlotBytes, '\0');
    for (int i = 0; i < count; ++i) {
        StoreSlot(block, i, lines[static_cast<std::size_t>(i)]);
    }
    return block;
}

} // namespace chart
