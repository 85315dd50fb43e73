#pragma once
// The chart states stored with the graph windows, as the chart control's property stream. Their
// readable source is charts/<window>.chart; the build turns each into its stream.

#include <cstddef>
#include <cstdint>

struct StoredChart {
    const std::uint8_t* data;
    std::size_t size;
};

StoredChart GraphFormChart();
StoredChart FieldStrengthChart();
