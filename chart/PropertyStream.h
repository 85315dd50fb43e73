#pragma once
// The persisted property stream of a chart: what a container stores with the control, and the
// content of a serialized chart file. Loading is all or nothing: the stream is read into a fresh
// model, checked and fitted there, and only a stream that reads completely replaces the live
// model's persisted state.

#include "ChartModel.h"
#include "PropExchange.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace chart {

// The most bytes a property stream can take: its header, 48 scalars and 448 blobs, each at most a
// 32-bit length with the prefix before it.
constexpr long long kMaxStreamBytes = 16 + 48 * (7 + 0xFFFFFFFFLL) + 448 * (4 + 0xFFFFFFFFLL);

// A stream whose values there is not enough memory for; it counts every value the stream holds.
class StreamOutOfMemory : public std::bad_alloc {
public:
    explicit StreamOutOfMemory(long long values) : values_(values) {}
    long long Values() const { return values_; }
    const char* what() const noexcept override { return "not enough memory for the chart's values"; }

private:
    long long values_;
};

// The text the containers are told when a stream, read from `file` when one is named, holds more
// values than there is memory for.
std::string NoMemoryToLoadText(long long values, const QString& file = {});

std::vector<std::uint8_t> SavePropertyStream(const CChartModel& model, const ControlExtent& extent);

// Reads a stream into `fresh`, a model as its constructor left it. After a successful read every
// array holds at least its nominal count (all the stream stored, when that is more), every data
// set's point count is the one saved but never more than its X values, its group count lies in
// 0..16 (its Y values are kept as stored, whatever their number), and every engine handle is 0. The
// limits of what a container may put do not apply: a chart stored by an older control beyond them
// loads when the memory is there; when it is not, StreamOutOfMemory. False on a short, corrupt or
// inconsistent stream, with `fresh` partly overwritten. Bytes after the stream are ignored (a
// container may store more behind it).
bool ReadPropertyStream(const std::uint8_t* data, std::size_t size, CChartModel& fresh,
                        ControlExtent* extent);

// The container's load: on success the live model takes the stream's settings. Its engine handles
// and point buffers stay: they belong to the graph on screen, which keeps drawing until the next
// build replaces it and deletes those data sets; `beforeAdopt` may release them first. The
// stream's own handles are never taken. On failure nothing changes and the result is false.
bool LoadPropertyStream(CChartModel& live, const std::uint8_t* data, std::size_t size,
                        ControlExtent* extent = nullptr, const std::function<void()>& beforeAdopt = {});

// The state of a freshly inserted control: every scalar property takes its default; the arrays keep
// their contents, and the data-set handles are zeroed (they may name another process's objects).
void ResetPersistedState(CChartModel& model);

// Moves every persisted scalar and array of `loaded` into `live`; engine state and handles, data
// cursors, the current plot and axis, and the point buffers stay as they are in `live`.
void AdoptPersistedState(CChartModel& live, CChartModel&& loaded);

} // namespace chart
