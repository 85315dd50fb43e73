#pragma once
// The property exchange: one routine, DoPropExchange, walks the whole persisted state of a chart in
// stream order and either writes it or reads it, so the two directions can never drift apart.
// Reading never trusts a count or a length: each is checked against the bytes that remain before
// anything is allocated, and the first failure fails the whole exchange.

#include "ByteCodec.h"
#include "ChartModel.h"

#include <cstddef>
#include <cstdint>

namespace chart {

// The control's size in HIMETRIC units (0.01 mm), kept by the stream's framework part.
struct ControlExtent {
    // 200 x 200 pixels at 96 pixels per inch.
    static constexpr std::int32_t kDefaultHiMetric = 5292;
    std::int32_t width = kDefaultHiMetric;
    std::int32_t height = kDefaultHiMetric;
};

constexpr std::uint32_t kPropertyStreamVersion = 0x00010000;

class PropExchange {
public:
    // A storing exchange that appends to writer.
    explicit PropExchange(ByteWriter& writer) : writer_(&writer) {}
    // A loading exchange that reads from reader.
    explicit PropExchange(ByteReader& reader) : reader_(&reader) {}

    bool IsLoading() const { return reader_ != nullptr; }
    ByteWriter& Writer() { return *writer_; }
    ByteReader& Reader() { return *reader_; }
    bool Ok() const { return reader_ == nullptr || reader_->Ok(); }

    // A load goes on past an array there is no memory for, still checking the stream and counting
    // the values it could not hold, so that its refusal can name them.
    void NoteNoMemory(std::size_t values) {
        noMemory_ = true;
        valuesWithoutMemory_ += static_cast<long long>(values);
    }
    bool RanOutOfMemory() const { return noMemory_; }
    long long ValuesWithoutMemory() const { return valuesWithoutMemory_; }

private:
    ByteWriter* writer_ = nullptr;
    ByteReader* reader_ = nullptr;
    bool noMemory_ = false;
    long long valuesWithoutMemory_ = 0;
};

void PX_Long(PropExchange& px, std::int32_t& value);
void PX_ULong(PropExchange& px, std::uint32_t& value);
void PX_Double(PropExchange& px, double& value);
// A scalar flag: one byte. Written as the value's low byte (-1 gives 0xFF); any non-zero byte
// loads as TRUE and keeps its value, so it is saved as the same byte.
void PX_Bool(PropExchange& px, std::int32_t& value);
void PX_String(PropExchange& px, QString& value);

// One array as a blob: a 32-bit byte count, then the array's count and elements (an empty array: the
// byte count 2 and the count 0). Loading keeps every stored element and, when fewer were stored
// than `nominal` (kVariableSize: none), the target's own elements up to that size.
void PX_ArrayBlob(PropExchange& px, LongArray& array, int nominal);
void PX_ArrayBlob(PropExchange& px, DoubleArray& array, int nominal);
void PX_ArrayBlob(PropExchange& px, StringArray& array, int nominal);
// A pointer array: always the byte count 0; a stored blob is stepped over.
void PX_PointerBlob(PropExchange& px);
// One blob per inner array, in outer index order.
template <typename T>
void PX_NestedArrayBlob(PropExchange& px, std::vector<std::vector<T>>& arrays, int innerNominal) {
    for (std::vector<T>& inner : arrays) {
        PX_ArrayBlob(px, inner, innerNominal);
    }
}

void ExchangeScalarProperties(PropExchange& px, CChartModel& model);
void ExchangeArrayProperties(PropExchange& px, CChartModel& model);
// Version, framework part (extent and stock-property mask), scalars, blobs, nested families.
void DoPropExchange(PropExchange& px, CChartModel& model, ControlExtent& extent);

} // namespace chart
