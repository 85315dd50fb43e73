#pragma once
// One curve of a graph window on a distance grid, cut into segments where the model's validity
// changes, so each segment can be drawn in the line style of its validity.

#include <array>
#include <cstdint>
#include <vector>

struct PlotCurve {
    static constexpr int kMaxPoints = 3201;
    // Changes beyond this many add no segment: they only move the last recorded start.
    static constexpr int kMaxChanges = 6;

    bool ValidAtStart = false;
    bool ValidNow = false;
    std::int16_t SegmentCount = 0;
    // Point index where each segment after the first begins; once the curve is complete, entry
    // SegmentCount holds the index of the last point.
    std::array<std::int16_t, 8> SegmentStart{};
    std::array<double, kMaxPoints> Level{};
    std::array<double, kMaxPoints> Dist{};
    std::int16_t Count = -1; // index of the last point
    std::int32_t Colour = 0;

    int PointCount() const { return Count + 1; }
    bool Full() const { return Count + 1 >= kMaxPoints; }

    void Begin(bool validAtStart);
    // Appends one point; false (and nothing stored) once the curve is full.
    bool Add(double distKm, bool valid, double level);
    void Finish();
};

// One run of points of a curve with the same validity, as handed to the chart. A segment after the
// first also holds the first point of the segment that follows, so the line stays joined there,
// except after the first segment, which keeps exactly the points of the starting validity.
struct CurveSegment {
    int start = 0;
    int count = 0;
    bool valid = false;
};

// The segments of a finished curve in distance order; none when it holds no point.
std::vector<CurveSegment> CurveSegments(const PlotCurve& curve);
