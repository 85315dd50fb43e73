#pragma once
// Line blocks handed to the engine: consecutive slots of kLineSlotBytes bytes, each a
// NUL-terminated UTF-8 line of at most kLineSlotBytes - 1 bytes.

#include "ChartModel.h"

#include <QString>

namespace chart {

// Lines of text (CR or NUL ends a line, LF is dropped), at most `count` of them; a line too long
// for its slot is cut at the last whole character that fits. The block has max(CR count, 100)
// slots, or more when more lines were read; `count` becomes the slot count.
LineBlock SplitLines(const QString& text, int& count);

// The slot count of a block.
inline int SlotCount(const LineBlock& block) {
    return static_cast<int>(block.size() / kLineSlotBytes);
}

// Exactly `lines.size()` slots holding the given lines (cut as above).
LineBlock LinesToBlock(const StringArray& lines, int count);

} // namespace chart
