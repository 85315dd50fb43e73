#include "PlotCurve.h"

void PlotCurve::Begin(bool validAtStart) {
    SegmentCount = 0;
    ValidAtStart = validAtStart;
    ValidNow = validAtStart;
    Count = -1;
}

bool PlotCurve::Add(double distKm, bool valid, double level) {
    if (Full()) {
        return false;
    }
    ++Count;
    if (valid != ValidNow) {
        SegmentStart[static_cast<std::size_t>(SegmentCount)] = Count;
        ValidNow = !ValidNow;
        if (SegmentCount < kMaxChanges) {
            ++SegmentCount;
        }
    }
    Level[static_cast<std::size_t>(Count)] = level;
    Dist[static_cast<std::size_t>(Count)] = distKm;
    return true;
}

void PlotCurve::Finish() {
    SegmentStart[static_cast<std::size_t>(SegmentCount)] = Count;
}

std::vector<CurveSegment> CurveSegments(const PlotCurve& curve) {
    std::vector<CurveSegment> segments;
    if (curve.Count < 0) {
        return segments;
    }
    if (curve.SegmentCount == 0) {
        segments.push_back({0, curve.PointCount(), curve.ValidAtStart});
        return segments;
    }
    bool valid = curve.ValidAtStart;
    segments.push_back({0, curve.SegmentStart[0], valid});
    for (int k = 1; k <= curve.SegmentCount; ++k) {
        valid = !valid;
        const int start = curve.SegmentStart[static_cast<std::size_t>(k - 1)];
        const int end = curve.SegmentStart[static_cast<std::size_t>(k)];
        segments.push_back({start, end - start + 1, valid});
    }
    return segments;
}
