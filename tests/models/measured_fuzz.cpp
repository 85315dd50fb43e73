// Feeds arbitrary bytes to the measured-data reader: it must refuse or read them without touching
// memory outside its tables, and every table it accepts must be closed by the end marker.
#include "Measured.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<MeasuredRecord> records(1);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MeasuredReadResult result = ParseMeasured(text, "measured.csv", records);
    if (result.ok != result.message.empty() || records.empty()) {
        std::abort();
    }
    for (const MeasuredRecord& table : records) {
        const bool sound = table.ColumnCount >= 0 && table.ColumnCount <= kMeasuredMaxColumns &&
                           table.RowCount >= 0 && table.RowCount <= kMeasuredMaxRows;
        const bool closed = table.ColumnCount == 0 || IsMeasuredEndMarker(table.Dist[table.RowCount]);
        if (!sound || !closed) {
            std::abort();
        }
    }
    const MeasuredMatch match = FindMeasuredCurve(450, 30, 1.5, "Urban", 0.5, records);
    if (match.Found && (match.Record < 0 || static_cast<std::size_t>(match.Record) >= records.size())) {
        std::abort();
    }
    return 0;
}
